#include "UiTestMain.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace quillon::test {

std::map<std::string, TestFactory>& UiTestRegistry() {
    static std::map<std::string, TestFactory> registry;
    return registry;
}

}  // namespace quillon::test

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The checker runs beside these tests without a front end's lock of its own.
    qputenv("QUILLON_STANDALONE", "1");
    // The dialogs' presence lock lives in a runtime folder of these tests alone, so that other
    // test programs running at the same time neither see it nor take it away.
    const QTemporaryDir runtimeDir;
    if (runtimeDir.isValid()) {
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    }
    QApplication application(argc, argv);
    std::string only;
    std::vector<char*> arguments{argv[0]};
    for (int index = 1; index < argc; ++index) {
        if (only.empty() && argv[index][0] != '-' && quillon::test::UiTestRegistry().count(argv[index]) != 0) {
            only = argv[index];
        } else {
            arguments.push_back(argv[index]);
        }
    }
    int failures = 0;
    for (const auto& [name, factory] : quillon::test::UiTestRegistry()) {
        if (only.empty() || only == name) {
            const std::unique_ptr<QObject> tests = factory();
            failures += QTest::qExec(tests.get(), static_cast<int>(arguments.size()), arguments.data());
        }
    }
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
