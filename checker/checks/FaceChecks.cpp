// Face properties that the game or the light tools mishandle.

#include <array>
#include <cstdint>
#include <string_view>

#include "checker/checks/MapCheckSupport.h"
#include "checker/checks/MapChecks.h"
#include "checker/run/CheckerRun.h"
#include "checker/report/Report.h"

namespace quillon {

namespace {

constexpr std::uint32_t CONTENTS_PLAYERCLIP = 0x10000;
constexpr std::uint32_t CONTENTS_MONSTERCLIP = 0x20000;
constexpr std::uint32_t SURF_LIGHT = 1;
constexpr std::uint32_t SURF_SKY = 4;
constexpr std::uint32_t SURF_TRANS33 = 0x10;
constexpr std::uint32_t SURF_TRANS66 = 0x20;

// Brush entities that move: the game draws their see-through faces wrongly.
constexpr std::array<std::string_view, 10> MOVING_BRUSH_CLASSES = {
    "func_button", "func_conveyor", "func_door",     "func_door_rotating", "func_door_secret",
    "func_object", "func_plat",     "func_rotating", "func_train",         "func_water"};

bool IsMovingBrushClass(const std::string& className) {
    for (const std::string_view name : MOVING_BRUSH_CLASSES) {
        if (className == name) {
            return true;
        }
    }
    return false;
}

std::array<double, 3> BrushCentre(const MapBrush& brush) {
    Vec3 centre{};
    for (int axis = 0; axis < 3; ++axis) {
        centre[axis] = static_cast<float>((static_cast<double>(brush.mins[axis]) + static_cast<double>(brush.maxs[axis])) * 0.5);
    }
    return Printable(centre);
}

/// Where a face message points: the entity, the brush's place in the entity's list, the brush.
struct FacePlace {
    int entityNumber;
    int brushNumber;
    const MapBrush& brush;
};

void CheckSeeThroughFaces(CheckerRun& run, const FacePlace& place, const std::string& className) {
    if ((place.brush.contents & (CONTENTS_PLAYERCLIP | CONTENTS_MONSTERCLIP)) != 0) {
        return;
    }
    for (int s = 0; s < place.brush.sideCount; ++s) {
        const BrushSide& side = run.sides[static_cast<std::size_t>(place.brush.firstSide + s)];
        if (side.bevel || (side.surfaceFlags & (SURF_TRANS33 | SURF_TRANS66)) == 0) {
            continue;
        }
        const std::array<double, 3> centre = BrushCentre(place.brush);
        BeginLogicNotes(run);
        ReportPrint(run,
                    "\nentity %i, brush %i, face %i: Transparent texture used on\na %s. This will result in visual "
                    "errors.\nCenter of this brush: ( %g %g %g )\n",
                    place.entityNumber, place.brushNumber, side.faceNumber, className.c_str(), centre[0], centre[1],
                    centre[2]);
    }
}

void CheckLightAndSkyFaces(CheckerRun& run, const FacePlace& place) {
    for (int s = 0; s < place.brush.sideCount; ++s) {
        const BrushSide& side = run.sides[static_cast<std::size_t>(place.brush.firstSide + s)];
        if (side.bevel) {
            continue;
        }
        if ((side.surfaceFlags & SURF_LIGHT) != 0 && side.value == 0) {
            const std::array<double, 3> centre = BrushCentre(place.brush);
            BeginLogicNotes(run);
            ReportPrint(run,
                        "\nentity %i, brush %i, face %i: Surface light has 0 intensity.\nThis face of this brush "
                        "will not emit light. This condition\nwill generate a harmless but annoying warning message "
                        "in some\nrad programs.\nCenter of this brush: ( %g %g %g )\n",
                        place.entityNumber, place.brushNumber, side.faceNumber, centre[0], centre[1], centre[2]);
        }
        if (Contains(side.textureName, "/sky") && (side.surfaceFlags & SURF_SKY) == 0) {
            BeginLogicNotes(run);
            ReportPrint(run,
                        "\nentity %i, brush %i, face %i: Sky texture %s is used on this\nface, but does NOT have "
                        "the SKY surface property set.\n",
                        place.entityNumber, place.brushNumber, side.faceNumber, side.textureName.c_str());
        }
    }
}

}  // namespace

void CheckFaces(CheckerRun& run, const EntitySummary& entity) {
    const MapEntity& mapEntity = run.entities[static_cast<std::size_t>(entity.entityNumber)];
    const bool moving = IsMovingBrushClass(entity.classname);
    for (int b = 0; b < mapEntity.brushCount; ++b) {
        const FacePlace place{entity.entityNumber, b, run.brushes[static_cast<std::size_t>(mapEntity.firstBrush + b)]};
        if (moving) {
            CheckSeeThroughFaces(run, place, entity.classname);
        }
    }
    for (int b = 0; b < mapEntity.brushCount; ++b) {
        const FacePlace place{entity.entityNumber, b, run.brushes[static_cast<std::size_t>(mapEntity.firstBrush + b)]};
        CheckLightAndSkyFaces(run, place);
    }
}

}  // namespace quillon
