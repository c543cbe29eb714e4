#pragma once
// Each test class registers itself under its name; the test program runs one class (the first
// argument) or all of them, always on the offscreen platform unless told otherwise.

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace quillon::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

std::map<std::string, TestFactory>& UiTestRegistry();

struct UiTestRegistration {
    UiTestRegistration(const char* name, TestFactory factory) {
        UiTestRegistry().emplace(name, std::move(factory));
    }
};

}  // namespace quillon::test

#define QUILLON_UI_TEST(Class)                                             \
    static const quillon::test::UiTestRegistration Class##Registration( \
        #Class, [] { return std::unique_ptr<QObject>(new Class); })
