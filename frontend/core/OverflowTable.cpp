#include "frontend/core/OverflowTable.h"

#include <algorithm>

#include "entitydb/DatabaseText.h"
#include "frontend/core/OverflowMapScan.h"
#include "frontend/core/OverflowRules.h"
#include "platform/Text.h"

namespace quillon {

namespace {

int CompareIgnoringCase(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int x = static_cast<unsigned char>(AsciiLower(a[i]));
        const int y = static_cast<unsigned char>(AsciiLower(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void Status(UserInteraction* ui, const char* text) {
    if (ui != nullptr) {
        ui->SetStatus(text);
    }
}

void Progress(UserInteraction* ui) {
    if (ui != nullptr) {
        ui->AdvanceBusyIndicator();
    }
}

}  // namespace

void CollectPickupClasses(OverflowAnalysis& analysis, const EntityClassTable& table) {
    for (const EntityClassDef& definition : table.classes) {
        if (!definition.isPickup || definition.className.empty()) {
            continue;
        }
        if (analysis.pickupList.size() >= MAX_PICKUP_CLASSES) {
            analysis.pickupListFull = true;
            return;
        }
        analysis.pickupList.push_back(definition.className);
    }
}

void AddCheatPickups(OverflowAnalysis& analysis, const std::vector<std::string>& ignoreList) {
    for (const std::string& className : analysis.pickupList) {
        if (std::find(ignoreList.begin(), ignoreList.end(), className) != ignoreList.end()) {
            continue;
        }
        // The levels that some entity of the class already reaches; the added one fills the rest.
        std::int32_t covered = 0;
        for (const OverflowEntity& entity : analysis.entities) {
            if (EqualsIgnoringCase(entity.classname, className)) {
                covered |= ~entity.spawnflags & ALL_LEVEL_FLAGS;
            }
        }
        if (covered != ALL_LEVEL_FLAGS) {
            OverflowEntity dropped;
            dropped.classname = className;
            dropped.spawnflags = covered;
            AppendOverflowEntity(analysis, std::move(dropped));
        }
    }
}

void AddNeededClasses(OverflowAnalysis& analysis) {
    for (std::size_t index = 0; index < analysis.entities.size(); ++index) {
        // A copy: appending may move the table.
        const std::vector<std::string> needs = analysis.entities[index].needs;
        for (const std::string& className : needs) {
            bool provided = false;
            for (std::size_t other = 0; other < analysis.entities.size() && !provided; ++other) {
                provided = other != index && EqualsIgnoringCase(analysis.entities[other].classname, className);
            }
            if (!provided) {
                OverflowEntity needed;
                needed.classname = className;
                AppendOverflowEntity(analysis, std::move(needed));
            }
        }
    }
}

void SortEntityTable(OverflowAnalysis& analysis) {
    // Names that differ only in case are kept apart, so each exact name forms one run.
    std::stable_sort(analysis.entities.begin(), analysis.entities.end(),
                     [](const OverflowEntity& a, const OverflowEntity& b) {
                         const int order = CompareIgnoringCase(a.classname, b.classname);
                         return order != 0 ? order < 0 : a.classname < b.classname;
                     });
}

void BuildOverflowTable(OverflowAnalysis& analysis, std::string_view mapText, const EntityClassTable& table,
                        const OverflowOptions& options, UserInteraction* ui) {
    analysis = OverflowAnalysis{};
    analysis.limits = table.game.limits;
    if (options.cheat) {
        CollectPickupClasses(analysis, table);
    }
    Status(ui, "Counting brush models");
    analysis.brushModelCount = CountBrushModels(mapText, table, options.ignoreList);
    Progress(ui);
    Status(ui, "Building entity table");
    ReadOverflowEntities(analysis, mapText, table, options.ignoreList, [ui] { Progress(ui); });
    if (options.cheat) {
        AddCheatPickups(analysis, options.ignoreList);
    }
    AddNeededClasses(analysis);
    SortEntityTable(analysis);
    Progress(ui);
}

void ApplyAllLoadRules(OverflowAnalysis& analysis, const EntityClassTable& table, UserInteraction* ui) {
    Status(ui, "Building models, sounds, and images lists.");
    for (std::size_t index = 0; index < analysis.entities.size(); ++index) {
        const OverflowEntity& entity = analysis.entities[index];
        if (entity.ignored) {
            continue;
        }
        if (const EntityClassDef* definition = FindOverflowClass(table, entity.classname)) {
            ApplyLoadRules(analysis, index, ClassBlockLines(table, *definition));
        }
    }
    Progress(ui);
}

}  // namespace quillon
