#pragma once
// A front end set up beside the built checker and databases, with its files in a scratch folder,
// and the registration of the test classes: the test program runs one class (its first argument)
// or all of them, always on the offscreen platform unless told otherwise.

#include <QAbstractButton>
#include <QApplication>
#include <QObject>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "RecordingServices.h"
#include "frontend/core/FrontEndSettings.h"
#include "frontend/core/ProgramPaths.h"
#include "frontend/ui/DialogSupport.h"
#include "frontend/ui/MainDialog.h"
#include "frontend/ui/TextViewer.h"
#include "support/TestSupport.h"

namespace quillon::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::map<std::string, TestFactory>& UiTestRegistry();

/// A map that the checker finds nothing wrong with: worldspawn, a start, a named light and a
/// health pack that is not in deathmatch.
extern const char* const SMALL_MAP;

struct UiFixture {
    ScratchDir scratch;
    ProgramPaths paths;
    FrontEndSettings settings;
    RecordingServices services;

    UiFixture();
    std::string WriteSmallMap(const std::string& name = "room.map") const;
    std::string ReportPath() const { return scratch.PathOf("report.txt"); }
    std::string BaseDatabase() const { return paths.gameDir + "quake2.db"; }
    /// Chooses the small map and "report.txt" in the scratch folder for a report run.
    void ChooseReportRun() {
        settings.game.lastMapFile = WriteSmallMap();
        settings.game.lastOutputFile = ReportPath();
    }
    /// Points the game folder at an empty one: no databases to choose from.
    void WithoutDatabases();
    std::unique_ptr<MainDialog> Main(bool go = false) {
        return std::make_unique<MainDialog>(paths, settings, go, services);
    }
};

/// Clicks the button `id` of `dialog`.
void Click(const QWidget& dialog, int id);
/// The built-in viewer on screen, if any.
TextViewer* VisibleViewer();
/// Closes the built-in viewers that a test left open and returns how many there were.
int CloseViewers();

}  // namespace quillon::test

#define QUILLON_UI_TEST(Class)                                     \
    [[maybe_unused]] static const bool Class##Registered =          \
        quillon::test::UiTestRegistry().emplace(#Class, [] { return std::unique_ptr<QObject>(new Class); }).second
