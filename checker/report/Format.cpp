#include "checker/report/Format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace quillon {

namespace {

constexpr std::uint64_t POWERS_OF_TEN[] = {1,      10,      100,      1000,      10000,
                                           100000, 1000000, 10000000, 100000000, 1000000000};

/// |value| * 10^scale rounded to the nearest integer, ties to even, for value = mantissa * 2^exponent.
/// Exact as long as mantissa * 5^scale fits in 63 bits and the result does too.
std::uint64_t ScaledRounded(std::uint64_t mantissa, int exponent, int scale) {
    std::uint64_t product = mantissa;
    for (int i = 0; i < scale; ++i) {
        product *= 5;
    }
    const int shift = exponent + scale;
    if (shift >= 0) {
        return product << shift;
    }
    if (shift <= -63) {
        return 0;
    }
    const std::uint64_t whole = product >> -shift;
    const std::uint64_t rest = product & ((std::uint64_t{1} << -shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (-shift - 1);
    return rest > half || (rest == half && (whole & 1) != 0) ? whole + 1 : whole;
}

/// Writes "%g" of a value that a float holds exactly and whose decimal exponent lies in -4..5,
/// the only case printf writes without an exponent; false for anything else.
bool AppendShortG(std::string& text, double value) {
    const float single = static_cast<float>(value);
    const double magnitude = std::fabs(value);
    if (static_cast<double>(single) != value || !(magnitude >= 5e-5) || magnitude >= 1e6) {
        return false;
    }
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 24));  // exact: a float has 24 bits
    const int exponent = binaryExponent - 24;
    // Six significant digits: find the decimal exponent of the rounded value.
    int decimal = static_cast<int>(std::floor(std::log10(magnitude)));
    std::uint64_t digits = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (decimal < -5 || decimal > 5) {
            return false;
        }
        digits = ScaledRounded(mantissa, exponent, 5 - decimal);
        if (digits >= 1000000) {
            ++decimal;
        } else if (digits < 100000) {
            --decimal;
        } else {
            break;
        }
    }
    if (digits < 100000 || digits >= 1000000 || decimal < -4 || decimal > 5) {
        return false;
    }
    // Fixed notation with 5 - decimal places, trailing zeros and a bare point dropped.
    char buffer[24];
    char* at = buffer;
    if (std::signbit(value)) {
        *at++ = '-';
    }
    const int places = 5 - decimal;
    const std::uint64_t unit = POWERS_OF_TEN[places];
    std::uint64_t whole = digits / unit;
    std::uint64_t part = digits % unit;
    char wholeDigits[8];
    int count = 0;
    do {
        wholeDigits[count++] = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    while (count > 0) {
        *at++ = wholeDigits[--count];
    }
    if (part != 0) {
        *at++ = '.';
        for (std::uint64_t step = unit / 10; part != 0; step /= 10) {
            *at++ = static_cast<char>('0' + part / step);
            part %= step;
        }
    }
    text.append(buffer, static_cast<std::size_t>(at - buffer));
    return true;
}

}  // namespace

void AppendG(std::string& text, double value) {
    // Coordinates come from floats and rarely need an exponent; writing them here skips the
    // general conversion, which was the largest cost of the texture sections.
    if (value == 0) {
        text += std::signbit(value) ? "-0" : "0";
        return;
    }
    if (AppendShortG(text, value)) {
        return;
    }
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%g", value);
    text.append(buffer, static_cast<std::size_t>(length));
}

}  // namespace quillon
