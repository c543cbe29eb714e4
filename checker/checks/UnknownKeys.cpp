// Keys that the game does not know as entity fields.

#include <string>
#include <vector>

#include "checker/checks/BuiltinTables.h"
#include "checker/checks/MapCheckSupport.h"
#include "checker/checks/MapChecks.h"
#include "checker/run/CheckerRun.h"
#include "checker/checks/EntityClasses.h"
#include "checker/map/MapEntities.h"
#include "checker/report/Report.h"
#include "entitydb/DatabaseText.h"

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
        // An entity keeps its pairs last read first, and the keys are reported in that order.
        const std::vector<EntityPair>& pairs = run.entities[static_cast<std::size_t>(entityNumber)].pairs;
        for (auto pair = pairs.rbegin(); pair != pairs.rend(); ++pair) {
            // Keys that begin with "_" belong to the compile tools, not to the game.
            // The compilers read the map format's version from the world.
            if (StartsWith(pair->key, "_") || IsKnownEntityKey(run, pair->key) ||
                (entityNumber == 0 && EqualsIgnoringCase(pair->key, "mapversion"))) {
                continue;
            }
            ReportUnknownKey(run, entityNumber, pair->key);
        }
    }
}

}  // namespace quillon
