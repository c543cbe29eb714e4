#pragma once
// A run whose report stream is a file in a scratch folder, read back as text.

#include <cstdio>
#include <string>

#include "checker/run/CheckerRun.h"
#include "support/TestSupport.h"

namespace quillon::test {

struct ReportFixture {
    ScratchDir scratch;
    CheckerRun run;
    std::string reportPath = scratch.PathOf("report.txt");

    ReportFixture() { run.report = std::fopen(reportPath.c_str(), "w"); }
    ~ReportFixture() {
        if (run.report != nullptr) {
            std::fclose(run.report);
        }
    }
    /// Everything printed so far.
    std::string Report() {
        std::fflush(run.report);
        return ReadFileBytes(reportPath);
    }
    /// Appends an entity with the given pairs and returns its number.
    int AddEntity(std::initializer_list<EntityPair> pairs) {
        MapEntity entity;
        entity.pairs = pairs;
        entity.firstBrush = static_cast<int>(run.brushes.size());
        run.entities.push_back(entity);
        return static_cast<int>(run.entities.size()) - 1;
    }
    /// Appends a brush with the given box to the last entity.
    int AddBrush(const Vec3& mins, const Vec3& maxs) {
        MapEntity& entity = run.entities.back();
        MapBrush brush;
        brush.entityNumber = static_cast<int>(run.entities.size()) - 1;
        brush.brushNumber = entity.brushCount++;
        brush.mins = mins;
        brush.maxs = maxs;
        brush.firstSide = static_cast<int>(run.sides.size());
        run.brushes.push_back(brush);
        return static_cast<int>(run.brushes.size()) - 1;
    }
    void AddClass(const std::string& name, bool needsBrush) {
        EntityClassDef definition;
        definition.className = name;
        definition.needsBrush = needsBrush;
        definition.validSpawnflags = SKILL_ALL;
        run.classes.classes.push_back(definition);
    }
};

}  // namespace quillon::test
