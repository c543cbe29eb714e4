// Spawnflags that exclude each other, and spawnflags that the entity's class does not define.

#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "checker/checks/MapCheckSupport.h"
#include "checker/checks/MapChecks.h"
#include "checker/run/CheckerRun.h"
#include "checker/checks/EntityClasses.h"
#include "checker/map/MapEntities.h"
#include "checker/report/Report.h"
#include "entitydb/DatabaseText.h"

namespace quillon {

namespace {

constexpr std::uint32_t DEADSOLDIER_POSITIONS = 63;
constexpr std::uint32_t LASER_COLOURS = 62;
constexpr std::uint32_t ROTATING_BOTH_AXES = 4 | 8;
constexpr std::uint32_t SPEAKER_BOTH_LOOPS = 1 | 2;
constexpr int LISTED_SPAWNFLAG_BITS = 16;

/// The name of one bit in a list, as it reads first and as it reads after another name.
struct BitName {
    std::uint32_t bit;
    const char* first;
    const char* further;
};

// The lowest bit of each mask always comes first, so it has no "further" form.
constexpr std::array<BitName, 6> POSITION_NAMES = {{
    {1, "on back", ""},
    {2, "on stomach", ", on stomach"},
    {4, "on back and decap", ", on back & decap"},
    {8, "fetal pos", ", fetal pos"},
    {16, "sitting & decap", ", sitting & decap"},
    {32, "impaled", ", impaled"},
}};

constexpr std::array<BitName, 5> COLOUR_NAMES = {{
    {2, "red", ""},
    {4, "green", ", green"},
    {8, "blue", ", blue"},
    {16, "yellow", ", yellow"},
    {32, "orange", ", orange"},
}};

bool SeveralBits(std::uint32_t bits) {
    return std::popcount(bits) > 1;
}

template <std::size_t N>
void PrintBitList(CheckerRun& run, std::uint32_t bits, const std::array<BitName, N>& names) {
    std::string list;
    for (const BitName& name : names) {
        if ((bits & name.bit) != 0) {
            list += list.empty() ? name.first : name.further;
        }
    }
    ReportPrint(run, "%s set\n", list.c_str());
}

void CheckDeadsoldierPositions(CheckerRun& run, const EntitySummary& entity) {
    const std::uint32_t positions = entity.spawnflags & DEADSOLDIER_POSITIONS;
    if (!SeveralBits(positions)) {
        return;
    }
    const std::array<double, 3> at = Printable(entity.originPoint);
    BeginLogicNotes(run);
    ReportPrint(run,
                "\nentity %i: positions for misc_deadsoldier cannot be combined.\nThe misc_deadsoldier at ( %g %g %g ) "
                "has the position spawnflags\n",
                entity.entityNumber, at[0], at[1], at[2]);
    PrintBitList(run, positions, POSITION_NAMES);
}

void CheckLaserColours(CheckerRun& run, const EntitySummary& entity) {
    const std::uint32_t colours = entity.spawnflags & LASER_COLOURS;
    if (!SeveralBits(colours)) {
        return;
    }
    const std::array<double, 3> at = Printable(entity.originPoint);
    BeginLogicNotes(run);
    ReportPrint(run,
                "\nentity %i: colors for target_laser cannot be combined.\nThe target_laser at ( %g %g %g ) has the "
                "color spawnflags\n",
                entity.entityNumber, at[0], at[1], at[2]);
    PrintBitList(run, colours, COLOUR_NAMES);
}

void CheckRotatingAxes(CheckerRun& run, const EntitySummary& entity) {
    if ((entity.spawnflags & ROTATING_BOTH_AXES) != ROTATING_BOTH_AXES) {
        return;
    }
    const std::array<double, 3> at = Printable(entity.originPoint);
    BeginLogicNotes(run);
    ReportPrint(run,
                "\nentity %i: the func_rotating at ( %g %g %g ) has both the\n\"x axis\" and \"y axis\" spawnflags "
                "set.\n",
                entity.entityNumber, at[0], at[1], at[2]);
}

void CheckSpeakerLoops(CheckerRun& run, const EntitySummary& entity) {
    if ((entity.spawnflags & SPEAKER_BOTH_LOOPS) != SPEAKER_BOTH_LOOPS) {
        return;
    }
    const std::array<double, 3> at = Printable(entity.originPoint);
    BeginLogicNotes(run);
    ReportPrint(run,
                "\nentity %i: the target_speaker at ( %g %g %g) has both the\n\"looped on\" and \"looped off\" "
                "spawnflags set.\n",
                entity.entityNumber, at[0], at[1], at[2]);
}

/// The names of bits 0 to 15 and the bits the listing shows.
struct SpawnflagListing {
    std::array<std::string, LISTED_SPAWNFLAG_BITS> names;
    std::uint32_t mask = SKILL_ALL;
};

/// The class's named SPAWNFLAGS lines, read again from the database text that defined the class.
SpawnflagListing BuildSpawnflagListing(const CheckerRun& run, int classIndex) {
    SpawnflagListing listing;
    listing.names[8] = "not in easy";
    listing.names[9] = "not in normal";
    listing.names[10] = "not in hard";
    listing.names[11] = "not in deathmatch";
    if (classIndex < 0) {
        return listing;
    }
    const EntityClassDef& definition = run.classes.classes[static_cast<std::size_t>(classIndex)];
    const std::string& text = definition.fromSelectedDatabase ? run.classes.selectedText : run.classes.baseText;
    for (const auto& [value, name] : ReadSpawnflagNames(text, definition.definitionOffset)) {
        listing.mask |= value;
        // A value names its highest bit; one above bit 15 (or none at all) names nothing listed.
        const int highestBit = std::bit_width(value) - 1;
        if (highestBit >= 0 && highestBit < LISTED_SPAWNFLAG_BITS) {
            listing.names[static_cast<std::size_t>(highestBit)] = name;
        }
    }
    return listing;
}

void PrintSpawnflagListing(CheckerRun& run, const SpawnflagListing& listing) {
    for (int bit = 0; bit < LISTED_SPAWNFLAG_BITS; ++bit) {
        const std::uint32_t value = 1u << bit;
        if ((listing.mask & value) != 0) {
            ReportPrint(run, "%4d = %s\n", static_cast<int>(value), listing.names[static_cast<std::size_t>(bit)].c_str());
        }
    }
}

void CheckEntitySpawnflags(CheckerRun& run, int entityNumber) {
    const MapEntity& entity = run.entities[static_cast<std::size_t>(entityNumber)];
    const std::string className = LowerCased(ValueOfKey(entity, "classname"));
    const int spawnflags = IntegerOfKey(entity, "spawnflags");
    if ((static_cast<std::uint32_t>(spawnflags) & ~ValidSpawnflags(run, entity)) == 0) {
        return;
    }
    BeginLogicNotes(run);
    ReportPrint(run, "\nentity %i: %s has invalid spawnflags set (%d).\n", entityNumber, className.c_str(),
                spawnflags);
    PrintEntityLocation(run, entityNumber);
    ReportPrint(run, "Valid spawnflags for %s are:\n", className.c_str());
    PrintSpawnflagListing(run, BuildSpawnflagListing(run, FindClass(run, className)));
}

}  // namespace

void CheckCombinedSpawnflags(CheckerRun& run, const EntitySummary& entity) {
    if (entity.classname == "misc_deadsoldier") {
        CheckDeadsoldierPositions(run, entity);
    } else if (entity.classname == "target_laser") {
        CheckLaserColours(run, entity);
    } else if (entity.classname == "func_rotating") {
        CheckRotatingAxes(run, entity);
    } else if (entity.classname == "target_speaker") {
        CheckSpeakerLoops(run, entity);
    }
}

void CheckCombinedSpawnflagsAndFaces(CheckerRun& run, const EntitySummary& entity) {
    CheckCombinedSpawnflags(run, entity);
    CheckFaces(run, entity);
}

void CheckInvalidSpawnflags(CheckerRun& run) {
    for (int entityNumber = 0; entityNumber < static_cast<int>(run.entities.size()); ++entityNumber) {
        CheckEntitySpawnflags(run, entityNumber);
    }
}

}  // namespace quillon
