// Coordinates are read like strtod reads them, to the last bit, however the reader gets there.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "checker/map/MapBrushes.h"

namespace quillon {
namespace {

::testing::AssertionResult ReadsLikeStrtod(const std::string& token) {
    const double expected = std::strtod(token.c_str(), nullptr);
    const double actual = LeadingReal(token);
    if (std::memcmp(&expected, &actual, sizeof expected) == 0 || (std::isnan(expected) && std::isnan(actual))) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "\"" << token << "\": " << actual << " instead of " << expected;
}

class CoordinateTest : public ::testing::TestWithParam<const char*> {};

TEST_P(CoordinateTest, ReadsLikeStrtod) {
    EXPECT_TRUE(ReadsLikeStrtod(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, CoordinateTest,
    ::testing::Values("0", "-0", "+0", "-0.0", "64", "-176", "+12", "1088", "999999999", "123456789012345",
                      "1234567890123456", "12345678901234567890", "-1329.25", "-169.3725833893", "0.1", "0.3",
                      ".5", "5.", "-.5", "1.000000000000001", "0.000000000000001", "3.14159265358979323846",
                      "1e5", "1.5e-3", "0x10", "inf", "nan", "", "-", "+", ".", "12abc", "1.2.3", "--1", " 7"));

TEST(Coordinates, RandomDecimalsReadLikeStrtod) {
    std::mt19937_64 random(20240601);
    for (int i = 0; i < 200000; ++i) {
        const int whole = static_cast<int>(random() % 9000000) - 4500000;
        const int places = static_cast<int>(random() % 12);
        std::string token = std::to_string(whole);
        if (places > 0) {
            std::string fraction = std::to_string(random() % 1000000000000ULL);
            fraction.resize(static_cast<std::size_t>(places), '7');
            token += "." + fraction;
        }
        ASSERT_TRUE(ReadsLikeStrtod(token));
    }
}

}  // namespace
}  // namespace quillon
