#pragma once
// The rules of single entity classes, one function per class; ClassRules.cpp lists them in the
// order they run. Each prints its messages in the Runtime Errors section.

#include <cstdint>
#include <string>

#include "checker/map/Vector.h"

namespace quillon {

struct CheckerRun;
struct EntitySummary;

// func_ classes, misc_teleporter and light
void CheckClockCount(CheckerRun& run, const EntitySummary& entity);
void CheckOriginBrush(CheckerRun& run, const EntitySummary& entity);
void CheckDoorDistance(CheckerRun& run, const EntitySummary& entity);
void CheckKillboxTriggers(CheckerRun& run, const EntitySummary& entity);
void CheckTimerRandom(CheckerRun& run, const EntitySummary& entity);
void CheckTrainTarget(CheckerRun& run, const EntitySummary& entity);
void CheckWallStartOn(CheckerRun& run, const EntitySummary& entity);
void CheckTeleporterTarget(CheckerRun& run, const EntitySummary& entity);
void CheckLightTarget(CheckerRun& run, const EntitySummary& entity);

// monsters, path_corner and point_combat
void CheckMonster(CheckerRun& run, const EntitySummary& entity);
void CheckPathTargetClasses(CheckerRun& run, const EntitySummary& entity);
void CheckPathCorner(CheckerRun& run, const EntitySummary& entity);
void CheckPointCombat(CheckerRun& run, const EntitySummary& entity);

// target_ and trigger_ classes
void CheckChangelevelMap(CheckerRun& run, const EntitySummary& entity);
void CheckHelpMessage(CheckerRun& run, const EntitySummary& entity);
void CheckLaserTarget(CheckerRun& run, const EntitySummary& entity);
void CheckLightramp(CheckerRun& run, const EntitySummary& entity);
void CheckSpawnerTarget(CheckerRun& run, const EntitySummary& entity);
void CheckSpeakerNoise(CheckerRun& run, const EntitySummary& entity);
void CheckGravity(CheckerRun& run, const EntitySummary& entity);
void CheckElevatorTarget(CheckerRun& run, const EntitySummary& entity);
void CheckElevatorUser(CheckerRun& run, const EntitySummary& entity);
void CheckKeyItem(CheckerRun& run, const EntitySummary& entity);

/// The levels in which the entity's "target" finds nothing; the search most class rules make: the
/// entity's plain levels, candidates of any class, no deathmatch rule.
std::uint32_t MissingTargetLevels(const CheckerRun& run, const EntitySummary& entity);

/// A point as the "%g" formats print it.
struct PrintedPoint {
    double x = 0;
    double y = 0;
    double z = 0;
};
inline PrintedPoint Printed(const Vec3& v) {
    return {static_cast<double>(v[0]), static_cast<double>(v[1]), static_cast<double>(v[2])};
}

/// The value of `key` of entity `entityNumber` read as a decimal fraction, 0 when it is none.
double FloatOfKey(const CheckerRun& run, int entityNumber, const std::string& key);
/// The "origin" of another entity, read as three numbers.
Vec3 OriginOf(const CheckerRun& run, int entityNumber);

}  // namespace quillon
