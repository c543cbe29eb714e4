#pragma once
// The records of the index-overflow analysis: the entities that make the game load models, sounds
// and images, and the lists of those names per skill level.

#include <array>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "entitydb/EntityClassTable.h"

namespace quillon {

/// EASY, NORMAL, HARD and DEATHMATCH, in the report's column order. An entity is absent from
/// level L when its spawnflags have bit (256 << L).
inline constexpr int LEVEL_COUNT = 4;
inline constexpr std::array<const char*, LEVEL_COUNT> LEVEL_LABELS = {"  EASY", "  NORM", "  HARD", "    DM"};
inline constexpr std::int32_t ALL_LEVEL_FLAGS = 0x0F00;

inline constexpr std::size_t MAX_OVERFLOW_TEXT = 127;  ///< text fields and resource names
inline constexpr std::size_t MAX_FURTHER_KEY = 31;

/// The analysis's tables: beyond these nothing more is added, and the report says so once. The
/// entity table and the name lists have room for twice the game's limits (GameLimits, from the
/// entity database), enough to show how far a map goes past them.
inline constexpr std::size_t TABLE_ROOM_FACTOR = 2;
inline constexpr std::size_t MAX_FURTHER_KEYS = 10;  ///< further keys of one entity
inline constexpr std::size_t MAX_PICKUP_CLASSES = 256;

inline bool PresentInLevel(std::int32_t spawnflags, int level) {
    return (spawnflags & (256 << level)) == 0;
}

struct FurtherKey {
    std::string key;
    std::string value;
};

struct OverflowEntity {
    std::string classname;
    std::string item;
    std::string targetname;
    std::string target;
    std::string message;
    std::string noise;
    std::vector<std::string> needs;  ///< the classes its NEEDS rules ask for, each one kept
    std::int32_t spawnflags = 0;  ///< adjusted by the class's inhibit flags
    std::int32_t sounds = 0;
    std::array<std::int32_t, 3> origin{};
    bool ignored = false;
    std::int32_t lockedSound = 0;
    std::int32_t moveSound = 0;
    std::int32_t spawnObject = 0;
    std::int32_t stopSound = 0;
    std::int32_t unlockedSound = 0;
    std::vector<FurtherKey> furtherKeys;  ///< other keys, in file order
};

enum class ResourceKind { Model = 0, Sound = 1, Image = 2 };
inline constexpr int RESOURCE_KIND_COUNT = 3;

/// The distinct names of one kind in one level, in the order they were added.
struct ResourceList {
    std::vector<std::string> names;
    std::unordered_set<std::string> keys;  ///< the names as compared: images in lower case
};

struct OverflowAnalysis {
    /// More than these in one level ends the game with "Index overflow"; the edicts size the entity table.
    GameLimits limits;
    std::vector<OverflowEntity> entities;
    std::array<std::array<ResourceList, LEVEL_COUNT>, RESOURCE_KIND_COUNT> resources;
    int brushModelCount = 0;
    int ignoredCount = 0;
    std::vector<std::string> pickupList;  ///< pickup classes, for the cheat option
    bool entityTableFull = false;         ///< an entity was left out: the table was full
    bool resourceListFull = false;        ///< a name was left out: its level's list was full
    bool pickupListFull = false;          ///< a pickup class was left out

    const ResourceList& List(ResourceKind kind, int level) const {
        return resources[static_cast<std::size_t>(kind)][static_cast<std::size_t>(level)];
    }
    int Count(ResourceKind kind, int level) const { return static_cast<int>(List(kind, level).names.size()); }
    int Limit(ResourceKind kind) const {
        return kind == ResourceKind::Model   ? limits.models
               : kind == ResourceKind::Sound ? limits.sounds
                                             : limits.images;
    }
    std::size_t EntityRoom() const { return TABLE_ROOM_FACTOR * static_cast<std::size_t>(limits.edicts); }
    std::size_t NameRoom(ResourceKind kind) const { return TABLE_ROOM_FACTOR * static_cast<std::size_t>(Limit(kind)); }
};

/// Appends `entity` to the table, or notes that the table is full; true when it was added.
inline bool AppendOverflowEntity(OverflowAnalysis& analysis, OverflowEntity&& entity) {
    if (analysis.entities.size() >= analysis.EntityRoom()) {
        analysis.entityTableFull = true;
        return false;
    }
    analysis.entities.push_back(std::move(entity));
    return true;
}

}  // namespace quillon
