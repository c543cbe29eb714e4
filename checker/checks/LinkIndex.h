#pragma once
// The link values of every entity, lower-cased once per run, and the entities that carry each name.
// Every name search of the entity passes walks one of these lists instead of the whole map; the
// lists hold entity numbers in map order, so a search meets candidates in the same order a scan
// over all entities would.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "checker/map/Vector.h"

namespace quillon {

struct CheckerRun;

/// One entity's names as the link checks compare them.
struct EntityNames {
    std::string classname;       ///< as written
    std::string classLower;      ///< lower-cased, for class tests
    std::string targetname;      ///< this and the values below are lower-cased
    std::string target;
    std::string pathtarget;
    std::string combattarget;
    std::string team;
    Vec3 origin{};                 ///< the "origin" value read as three numbers
    Vec3 location{};               ///< the point messages print for it (brush centre or origin)
    std::uint32_t spawnflags = 0;  ///< plain, without the deathmatch rule
    bool removedInDeathmatch = false;
};

using EntityNumberList = std::vector<int>;

struct LinkIndex {
    std::vector<EntityNames> entities;  ///< one per entity of the map
    std::unordered_map<std::string, EntityNumberList> byTargetname;
    std::unordered_map<std::string, EntityNumberList> byTarget;
    std::unordered_map<std::string, EntityNumberList> byPathtarget;
    std::unordered_map<std::string, EntityNumberList> byCombattarget;
    std::unordered_map<std::string, EntityNumberList> byTeam;
};

/// Fills the run's link index from its entities; the passes call it once before the first pass.
void BuildLinkIndex(CheckerRun& run);

/// The entities, in map order, whose value in `list` equals `name` without regard to case.
const EntityNumberList& EntitiesNamed(const std::unordered_map<std::string, EntityNumberList>& list,
                                      std::string_view name);

/// The entities whose "targetname" equals `name` without regard to case, in map order.
const EntityNumberList& EntitiesWithTargetname(const CheckerRun& run, std::string_view name);

/// The link-check view of entity `entityNumber`.
const EntityNames& NamesOf(const CheckerRun& run, int entityNumber);

/// True when `value` equals `name` without regard to case; an empty name matches nothing.
bool SameName(std::string_view value, std::string_view name);

}  // namespace quillon
