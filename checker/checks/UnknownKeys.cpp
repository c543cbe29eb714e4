// Keys that the game does not know as entity fields.

#include <string>

#include "checker/checks/BuiltinTables.h"
#include "checker/checks/MapCheckSupport.h"
#include "checker/checks/MapChecks.h"
#include "checker/driver/CheckerRun.h"
#include "checker/driver/EntityClasses.h"
#include "checker/map/MapEntities.h"
#include "checker/report/Report.h"

namespace quillon {

namespace {

void ReportUnknownKey(CheckerRun& run, int entityNumber, const std::string& key) {
    const std::string& className = ValueOfKey(run.entities[static_cast<std::size_t>(entityNumber)], "classname");
    BeginRuntimeErrors(run);
    if (entityNumber == 0) {
        ReportPrint(run, "\nentity %i: %s: %s is not a field\n", 0, className.c_str(), key.c_str());
        return;
    }
    const std::array<double, 3> at = Printable(EntityLocation(run, entityNumber));
    ReportPrint(run, "\nentity %i: %s at ( %g %g %g ): %s is not a field\n", entityNumber, className.c_str(), at[0],
                at[1], at[2], key.c_str());
}

}  // namespace

void CheckUnknownKeys(CheckerRun& run) {
    for (int entityNumber = 0; entityNumber < static_cast<int>(run.entities.size()); ++entityNumber) {
        for (const EntityPair& pair : run.entities[static_cast<std::size_t>(entityNumber)].pairs) {
            // Keys that begin with "_" belong to the compile tools, not to the game.
            if (StartsWith(pair.key, "_") || IsKnownEntityKey(run, pair.key)) {
                continue;
            }
            ReportUnknownKey(run, entityNumber, pair.key);
        }
    }
}

}  // namespace quillon
