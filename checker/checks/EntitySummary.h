#pragma once
// The values of one entity that the game-logic checks read, built afresh per entity and pass.

#include <array>
#include <cstdint>
#include <string>

#include "checker/map/Vector.h"

namespace quillon {

struct CheckerRun;

/// The five link keys, in the order messages name them.
inline constexpr std::array<const char*, 5> LinkKeys = {"target", "combattarget", "deathtarget", "killtarget",
                                                        "pathtarget"};

struct EntitySummary {
    int entityNumber = 0;
    std::string classname;  ///< lower-cased, except in the third pass
    std::string targetname;
    std::string target;
    std::string combattarget;
    std::string deathtarget;
    std::string killtarget;
    std::string pathtarget;
    std::string item;
    std::string model;
    std::string noise;
    std::string message;
    std::string team;  ///< second pass only
    int health = 0;
    int dmg = 0;  ///< second pass only
    std::uint32_t spawnflags = 0;
    int classIndex = -1;
    std::string originText;
    Vec3 originPoint{};
};

/// Which entity pass a summary is for: the second also reads "team" and "dmg"; the third keeps the
/// class name as written.
enum class SummaryPass { MainPass, SecondPass, ThirdPass };

EntitySummary SummarizeEntity(const CheckerRun& run, int entityNumber, SummaryPass pass);
/// Builds the summary of entity `entityNumber`; `secondPass` also reads "team" and "dmg".
EntitySummary SummarizeEntity(const CheckerRun& run, int entityNumber, bool secondPass);

}  // namespace quillon
