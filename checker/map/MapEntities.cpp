#include "checker/map/MapEntities.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "checker/run/CheckerRun.h"
#include "checker/run/FatalError.h"
#include "checker/map/BrushGeometry.h"
#include "checker/map/MapBrushes.h"
#include "checker/map/Tokenizer.h"
#include "platform/Text.h"

namespace quillon {

namespace {

constexpr std::uint32_t CONTENTS_AREAPORTAL = 32768;

bool IsWhiteSpace(char byte) {
    return static_cast<signed char>(byte) <= 32;
}

void TrimTrailingWhiteSpace(std::string& text) {
    while (!text.empty() && IsWhiteSpace(text.back())) {
        text.pop_back();
    }
}

/// The pair that lookups find: the one read last, which sits at the back.
template <typename EntityType>
auto* FindPair(EntityType& entity, const std::string& key) {
    for (auto pair = entity.pairs.rbegin(); pair != entity.pairs.rend(); ++pair) {
        if (EqualsIgnoringCase(pair->key, key)) {
            return &*pair;
        }
    }
    return static_cast<decltype(&*entity.pairs.rbegin())>(nullptr);
}

MapEntity& Entity(CheckerRun& run, int entityNumber) {
    return run.entities[static_cast<std::size_t>(entityNumber)];
}

void StartEntity(CheckerRun& run) {
    if (run.entities.size() >= static_cast<std::size_t>(MAX_MAP_ENTITIES)) {
        FatalError(run,
                   "MAX_MAP_ENTITIES (%d) - Your map contains too many entities\nCorrective action: Reduce the "
                   "number of entities, or split the map up.",
                   MAX_MAP_ENTITIES);
    }
    MapEntity entity;
    entity.firstBrush = static_cast<int>(run.brushes.size());
    run.entities.push_back(std::move(entity));
}

/// Reads pairs and brushes up to the entity's closing brace.
void ReadEntityBody(CheckerRun& run, int entityNumber) {
    for (;;) {
        if (!ReadToken(run, true)) {
            FatalError(run,
                       "ParseEntity: EOF without closing brace\nCorrective action: You'll probably have to fix "
                       "this with a text editor.");
        }
        const std::string_view token = run.script.currentToken;
        if (token == "}") {
            return;
        }
        if (token == "{") {
            ParseBrush(run, entityNumber);
        } else {
            EntityPair pair = ParseEpar(run);
            Entity(run, entityNumber).pairs.push_back(std::move(pair));
        }
    }
}

/// An entity with an origin has its brushes moved into its own frame: every plane moves by the
/// origin, and the moved brushes are built (and checked) again.
void MoveBrushesToOrigin(CheckerRun& run, int entityNumber) {
    const MapEntity& entity = Entity(run, entityNumber);
    const Vec3 origin = entity.origin;
    if (origin[0] == 0 && origin[1] == 0 && origin[2] == 0) {
        return;
    }
    for (int b = 0; b < entity.brushCount; ++b) {
        const int brushIndex = entity.firstBrush + b;
        const MapBrush& brush = run.brushes[static_cast<std::size_t>(brushIndex)];
        for (int s = 0; s < brush.sideCount; ++s) {
            BrushSide& side = run.sides[static_cast<std::size_t>(brush.firstSide + s)];
            // Copied: FindPlane may grow the plane table.
            const MapPlane plane = run.planes[static_cast<std::size_t>(side.planeNumber)];
            double shift = 0;
            for (int axis = 0; axis < 3; ++axis) {
                shift += static_cast<double>(plane.normal[axis]) * static_cast<double>(origin[axis]);
            }
            side.planeNumber = FindPlane(run, plane.normal, static_cast<double>(plane.dist) - shift);
        }
        BuildBrushWindings(run, brushIndex);
    }
}

/// A func_areaportal gives its one brush to the world as an area portal, numbered in map order.
void AddAreaPortal(CheckerRun& run, int entityNumber) {
    MapEntity& entity = Entity(run, entityNumber);
    if (entity.brushCount != 1) {
        FatalError(run,
                   "entity %i: func_areaportal can only be a single brush\nCorrective action: Delete all but 1 "
                   "brush used for the\n                   func_areaportal",
                   entityNumber);
    }
    run.brushes[static_cast<std::size_t>(entity.firstBrush)].contents = CONTENTS_AREAPORTAL;
    ++run.counters.areaPortals;
    char style[16];
    std::snprintf(style, sizeof style, "%i", run.counters.areaPortals);
    SetValueOfKey(entity, "style", style);
    MergeBrushesIntoWorld(run, entityNumber);
}

}  // namespace

void ReadMapFile(CheckerRun& run, const std::string& mapPath) {
    StartScript(run, mapPath);
    run.entities.clear();
    run.sides.clear();
    // The tables never grow past their limits; taking the room at once spares copying them while
    // they grow. Pages are only touched as the tables fill.
    run.brushes.reserve(MAX_MAP_BRUSHES);
    run.sides.reserve(MAX_MAP_BRUSHSIDES);
    run.planes.reserve(MAX_MAP_PLANES);
    while (ParseEntity(run)) {
    }
    WriteBackMapText(run);
}

bool ParseEntity(CheckerRun& run) {
    if (!ReadToken(run, true)) {
        return false;
    }
    if (run.script.currentToken != "{") {
        FatalError(run,
                   "ParseEntity: { not found - Your map file contains an error.\nCorrective action: You'll "
                   "probably need to fix it with a text editor.");
    }
    StartEntity(run);
    const int entityNumber = static_cast<int>(run.entities.size()) - 1;
    ReadEntityBody(run, entityNumber);

    MapEntity& entity = Entity(run, entityNumber);
    entity.origin = VectorOfKey(entity, "origin");
    MoveBrushesToOrigin(run, entityNumber);

    const std::string& className = ValueOfKey(Entity(run, entityNumber), "classname");
    if (EqualsIgnoringCase(className, "func_group")) {
        MergeBrushesIntoWorld(run, entityNumber);
    } else if (EqualsIgnoringCase(className, "func_areaportal")) {
        AddAreaPortal(run, entityNumber);
    }
    return true;
}

EntityPair ParseEpar(CheckerRun& run) {
    EntityPair pair;
    if (run.script.currentToken.size() > static_cast<std::size_t>(MAX_KEY)) {
        FatalError(run, "ParseEpar: token too long");
    }
    pair.key = run.script.currentToken;
    ReadToken(run, false);
    if (run.script.currentToken.size() > static_cast<std::size_t>(MAX_VALUE)) {
        FatalError(run, "ParseEpar: token too long");
    }
    pair.value = run.script.currentToken;
    TrimTrailingWhiteSpace(pair.key);
    TrimTrailingWhiteSpace(pair.value);
    return pair;
}

const std::string& ValueOfKey(const MapEntity& entity, const std::string& key) {
    static const std::string noValue;
    const EntityPair* pair = FindPair(entity, key);
    return pair != nullptr ? pair->value : noValue;
}

void SetValueOfKey(MapEntity& entity, const std::string& key, const std::string& value) {
    if (EntityPair* found = FindPair(entity, key)) {
        found->value = value;
        return;
    }
    entity.pairs.push_back(EntityPair{key, value});
}

namespace {

/// Digits with at most one point and an optional sign, 15 digits at most: read exactly alike by
/// LeadingReal and by the C library.
bool IsPlainNumber(std::string_view text) {
    const std::size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    int digits = 0;
    bool point = false;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] == '.' && !point) {
            point = true;
        } else if (text[i] >= '0' && text[i] <= '9') {
            ++digits;
        } else {
            return false;
        }
    }
    return digits > 0 && digits <= 15;
}

/// A value written plainly as "x y z" (spaces between plain numbers); false for anything else.
bool ReadPlainVector(std::string_view text, double (&read)[3]) {
    std::size_t at = 0;
    for (double& value : read) {
        while (at < text.size() && text[at] == ' ') {
            ++at;
        }
        const std::size_t start = at;
        while (at < text.size() && text[at] != ' ') {
            ++at;
        }
        const std::string_view number = text.substr(start, at - start);
        if (!IsPlainNumber(number)) {
            return false;
        }
        value = LeadingReal(number);
    }
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    return at == text.size();
}

}  // namespace

Vec3 VectorOfKey(const MapEntity& entity, const std::string& key) {
    double read[3] = {0, 0, 0};
    const std::string& value = ValueOfKey(entity, key);
    if (!ReadPlainVector(value, read)) {
        read[0] = read[1] = read[2] = 0;
        std::sscanf(value.c_str(), "%lf %lf %lf", &read[0], &read[1], &read[2]);
    }
    return Vec3{static_cast<float>(read[0]), static_cast<float>(read[1]), static_cast<float>(read[2])};
}

int IntegerOfKey(const MapEntity& entity, const std::string& key) {
    return static_cast<int>(std::strtol(ValueOfKey(entity, key).c_str(), nullptr, 10));
}

void MergeBrushesIntoWorld(CheckerRun& run, int entityNumber) {
    // The world's own brushes belong to it already.
    if (entityNumber == 0) {
        return;
    }
    MapEntity& entity = Entity(run, entityNumber);
    const int count = entity.brushCount;
    const MapEntity& world = run.entities.front();
    const auto worldEnd = run.brushes.begin() + (world.firstBrush + world.brushCount);
    const auto first = run.brushes.begin() + entity.firstBrush;
    // The entity's brushes go right after the world's; everything between moves up.
    std::rotate(worldEnd, first, first + count);
    run.entities.front().brushCount += count;
    for (std::size_t e = 1; e < run.entities.size(); ++e) {
        run.entities[e].firstBrush += count;
    }
    entity.brushCount = 0;
}

}  // namespace quillon
