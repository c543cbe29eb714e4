#pragma once
// A front end set up beside the built checker and databases, with its files in a scratch folder.

#include <QApplication>
#include <QWidget>
#include <string>

#include "RecordingServices.h"
#include "frontend/core/FrontEndSettings.h"
#include "frontend/core/ProgramPaths.h"
#include "frontend/ui/TextViewer.h"
#include "support/TestSupport.h"

namespace quillon::test {

/// A map that the checker finds nothing wrong with: worldspawn, a start, a named light and a
/// health pack that is not in deathmatch.
extern const char* const SMALL_MAP;

struct UiFixture {
    ScratchDir scratch;
    ProgramPaths paths;
    FrontEndSettings settings;
    RecordingServices services;

    UiFixture();
    /// The built program folder, so the real checker and databases serve the run.
    static ProgramPaths BuiltPaths();
    std::string WriteSmallMap(const std::string& name = "room.map") const;
    std::string ReportPath() const { return scratch.PathOf("report.txt"); }
    /// Chooses the small map and "report.txt" in the scratch folder for a report run.
    void ChooseReportRun() {
        settings.game.lastMapFile = WriteSmallMap();
        settings.game.lastOutputFile = ReportPath();
    }
};

/// The built-in viewer on screen, if any.
TextViewer* VisibleViewer();
/// Closes the built-in viewers that a test left open and returns how many there were.
int CloseViewers();

}  // namespace quillon::test
