#pragma once
// All state of one checker run. The driver creates it and hands it by reference to every phase.

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "checker/run/CheckerSettings.h"
#include "checker/map/MapTypes.h"
#include "checker/checks/CheckState.h"
#include "checker/map/ScriptTypes.h"
#include "checker/textures/PakFile.h"
#include "checker/textures/TextureTypes.h"
#include "entitydb/EntityClassTable.h"

namespace quillon {

inline constexpr int MAX_PROBLEM_BRUSHES = 128;
inline constexpr int PLANE_HASHES = 1024;
/// The six axial directions and every other normal are hashed apart (see PlaneClass).
inline constexpr int PLANE_CLASSES = 7;

struct ProblemBrush {
    int entityNumber = 0;
    int brushNumber = 0;
};

struct RunCounters {
    int bspErrors = 0;
    int runtimeErrors = 0;
    int logicNotes = 0;
    int nonStandardNotes = 0;
    int missingTextures = 0;
    int unextractedTextures = 0;
    int uppercaseAnimatedCount = 0;
    int lowercasedAnimatedCount = 0;
    int matchCount = 0;
    int areaPortals = 0;
};

struct CheckerRun {
    CheckerSettings settings;
    DerivedSettings derived;
    OutputMode mode = OutputMode::OutputReport;
    bool otherMode = false;  ///< OutputType other than 0, 1 and 2

    std::FILE* report = nullptr;  ///< the report stream while it is open

    ScriptState script;
    std::vector<MapEntity> entities;
    std::vector<MapBrush> brushes;
    std::vector<BrushSide> sides;
    std::vector<MapPlane> planes;
    ClipScratch clipScratch;  ///< buffers reused by every winding cut
    /// First plane of each bucket per plane class, -1 when empty.
    std::array<std::array<int, PLANE_HASHES>, PLANE_CLASSES> planeHash;
    std::vector<TextureRecord> textures;
    std::unordered_map<std::string, int> textureIndex;  ///< lower-cased name -> index in textures
    int lastTexture = -1;  ///< the texture found last; faces in a row mostly share one
    std::optional<std::vector<PakDirectory>> paks;      ///< the pak directories, read on first use
    EntityClassTable classes;

    RunCounters counters;
    std::vector<std::string> missingTextureNames;  ///< in the order of the "Missing Textures" section
    CheckState checks;
    std::vector<ProblemBrush> problemBrushes;
    bool printingBounds = false;  ///< set while PrintBrushBounds runs
    int currentBrush = -1;        ///< the brush whose face plane is being made, for "bad normal"
    int currentFace = 0;          ///< that face's number among all face lines of the brush

    CheckerRun() {
        for (auto& buckets : planeHash) {
            buckets.fill(-1);
        }
    }
};

}  // namespace quillon
