#include "checker/map/MapBrushes.h"

#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "checker/run/CheckerRun.h"
#include "checker/run/FatalError.h"
#include "checker/map/BrushBevels.h"
#include "checker/map/BrushGeometry.h"
#include "checker/map/ContentFlags.h"
#include "checker/map/MapEntities.h"
#include "checker/map/Tokenizer.h"
#include "checker/map/Winding.h"
#include "checker/report/Report.h"
#include "checker/textures/TextureTable.h"
#include "platform/Text.h"

namespace quillon {

double LeadingReal(std::string_view token) {
    // Coordinates are whole numbers or short decimals. Up to 15 digits make an exact integer, and
    // dividing it by an exact power of ten rounds once, as strtod does, so the double is the same
    // and several times cheaper (number parsing was the largest cost of reading a map).
    // "-0" stays -0; anything else goes to strtod.
    static constexpr double POWERS_OF_TEN[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                               1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const std::size_t size = token.size();
    std::size_t i = !token.empty() && (token[0] == '-' || token[0] == '+') ? 1 : 0;
    const std::size_t start = i;
    // Up to 16 digits are taken, so that a 16th shows the number is too long for this way.
    std::int64_t digits = 0;
    std::size_t count = 0;
    while (i < size && token[i] >= '0' && token[i] <= '9' && count < 16) {
        digits = digits * 10 + (token[i++] - '0');
        ++count;
    }
    std::size_t decimals = 0;
    if (i < size && token[i] == '.') {
        const std::size_t point = ++i;
        while (i < size && token[i] >= '0' && token[i] <= '9' && count < 16) {
            digits = digits * 10 + (token[i++] - '0');
            ++count;
        }
        decimals = i - point;
    }
    if (i != size || count == 0 || count > 15) {
        return std::strtod(std::string(token).c_str(), nullptr);
    }
    double value = static_cast<double>(digits);
    if (decimals > 0) {
        value /= POWERS_OF_TEN[decimals];
    }
    return start == 1 && token[0] == '-' ? -value : value;
}

namespace {

const char* const DELETE_BRUSH_ADVICE =
    "Corrective action: Delete this brush. This error was likely\n"
    "                   created by a CSG operation or faulty\n"
    "                   vertex manipulation.\n";

/// One face line as read, before its plane is known.
struct FaceLine {
    std::array<Vec3, 3> points{};
    BrushSide side;
    bool capitalLowered = false;  ///< the texture name had capitals that were lower-cased
};

MapBrush& BrushAt(CheckerRun& run, int brushIndex) {
    return run.brushes[static_cast<std::size_t>(brushIndex)];
}

BrushSide& SideOf(CheckerRun& run, const MapBrush& brush, int s) {
    return run.sides[static_cast<std::size_t>(brush.firstSide + s)];
}

[[noreturn]] void BrushParseError(CheckerRun& run) {
    FatalError(run,
               "Error parsing brush\nCorrective action: Your map file contains an error. You'll probably\n"
               "                   need to fix it with a text editor.");
}

/// The signed integer at the start of the token as strtoll reads it, 0 when there is none;
/// out-of-range values stop at the int limits.
int LeadingInteger(std::string_view token) {
    // The usual token is a short run of digits, perhaps signed: read it here. Anything else
    // (leading blanks, no digit, 19 digits or more) goes to strtoll.
    const std::size_t start = !token.empty() && (token[0] == '-' || token[0] == '+') ? 1 : 0;
    std::size_t end = start;
    std::int64_t digits = 0;
    while (end < token.size() && end - start < 18 && token[end] >= '0' && token[end] <= '9') {
        digits = digits * 10 + (token[end++] - '0');
    }
    const bool shortNumber = end > start && (end == token.size() || token[end] < '0' || token[end] > '9');
    const long long value = shortNumber ? (token[0] == '-' ? -digits : digits)
                                        : std::strtoll(std::string(token).c_str(), nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

/// The coordinate cut toward zero; values outside the int range stop at its limits.
int WholeCoordinate(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

/// True when the current token is the single character `c`; face lines ask this a dozen times each.
bool TokenIs(const CheckerRun& run, char c) {
    const std::string_view token = run.script.currentToken;
    return token.size() == 1 && token[0] == c;
}

/// Reads "( x y z )"; the "(" may lie on a later line when `openingRead` is false.
Vec3 ReadPoint(CheckerRun& run, bool openingRead, IntPoint& whole) {
    if (!openingRead && !ReadToken(run, true)) {
        BrushParseError(run);
    }
    if (!TokenIs(run, '(')) {
        BrushParseError(run);
    }
    Vec3 point{};
    for (int axis = 0; axis < 3; ++axis) {
        ReadToken(run, false);
        const double value = LeadingReal(run.script.currentToken);
        point[static_cast<std::size_t>(axis)] = static_cast<float>(value);
        whole[static_cast<std::size_t>(axis)] = WholeCoordinate(value);
    }
    ReadToken(run, false);
    if (!TokenIs(run, ')')) {
        BrushParseError(run);
    }
    return point;
}

/// Reads the texture name. With FixTextures the name and the white space before it are lower-cased
/// in the script text itself, so the map can be written back with the change. Only the map file is
/// written back, so names read from included files stay as written, and the uppercase check still
/// names them rather than the closing note claiming they were converted.
std::string ReadTextureName(CheckerRun& run, bool& capitalLowered) {
    const std::size_t fileCount = run.script.stack.size();
    const std::size_t before = fileCount > 0 ? run.script.stack.back().position : 0;
    ReadToken(run, false);
    std::string name(run.script.currentToken);
    if (!run.derived.fixTextures || run.script.stack.size() != fileCount || fileCount != 1) {
        return name;
    }
    ScriptFile& file = run.script.stack.back();
    for (std::size_t i = before; i < file.position && i < file.end; ++i) {
        const char lowered = AsciiLower(file.text[i]);
        if (lowered != file.text[i]) {
            file.text[i] = lowered;
            file.modified = true;
            capitalLowered = true;
        }
    }
    for (char& c : name) {
        c = AsciiLower(c);
    }
    return name;
}

/// Reads the next token of a bracketed texture axis; the group must close on the same line.
void ReadAxisToken(CheckerRun& run) {
    if (!TokenOnLine(run)) {
        BrushParseError(run);
    }
    ReadToken(run, false);
}

/// Reads "x y z offset ]" after a "[": exactly four tokens between the brackets, on the face's line.
void SkipTextureAxis(CheckerRun& run) {
    for (int i = 0; i < 4; ++i) {
        ReadAxisToken(run);
        if (TokenIs(run, ']')) {
            BrushParseError(run);
        }
    }
    ReadAxisToken(run);
    if (!TokenIs(run, ']')) {
        BrushParseError(run);
    }
}

/// The texture alignment after the name, which has no use here. Either five numbers (offsets,
/// rotation, scales), or two bracketed axes with their offsets followed by rotation and scales,
/// as editors that keep free texture axes write it. A "[" right after the name tells the second.
void SkipTextureAlignment(CheckerRun& run) {
    ReadToken(run, false);
    int numbersLeft = 4;
    if (TokenIs(run, '[')) {
        SkipTextureAxis(run);
        ReadAxisToken(run);
        if (!TokenIs(run, '[')) {
            BrushParseError(run);
        }
        SkipTextureAxis(run);
        numbersLeft = 3;
    }
    for (int i = 0; i < numbersLeft; ++i) {
        ReadToken(run, false);
    }
}

/// The face line after its "(": three points, the texture, its alignment and the optional three numbers.
FaceLine ReadFaceLine(CheckerRun& run) {
    FaceLine face;
    for (int i = 0; i < 3; ++i) {
        face.points[static_cast<std::size_t>(i)] = ReadPoint(run, i == 0, face.side.points[static_cast<std::size_t>(i)]);
    }
    face.side.textureName = ReadTextureName(run, face.capitalLowered);
    SkipTextureAlignment(run);
    const int texture = FindOrAddTexture(run, face.side.textureName);
    const TextureRecord& record = run.textures[static_cast<std::size_t>(texture)];
    if (!record.nextFrame.empty() && face.capitalLowered) {
        ++run.counters.lowercasedAnimatedCount;
    }
    face.side.contents = record.contents;
    face.side.surfaceFlags = record.surfaceFlags;
    face.side.value = static_cast<int>(record.value);
    if (TokenOnLine(run)) {
        ReadToken(run, false);
        face.side.contents = static_cast<std::uint32_t>(LeadingInteger(run.script.currentToken));
        ReadToken(run, false);
        face.side.surfaceFlags = static_cast<std::uint32_t>(LeadingInteger(run.script.currentToken));
        ReadToken(run, false);
        face.side.value = LeadingInteger(run.script.currentToken);
    }
    return face;
}

void ApplyContentRules(BrushSide& side) {
    if ((side.surfaceFlags & (SURF_TRANS33 | SURF_TRANS66)) != 0) {
        side.contents |= CONTENTS_DETAIL;
    }
    if ((side.contents & (CONTENTS_PLAYERCLIP | CONTENTS_MONSTERCLIP)) != 0) {
        side.contents |= CONTENTS_DETAIL;
    }
    if ((side.contents & CONTENTS_VISIBLE_OR_CLIP) == 0) {
        side.contents |= CONTENTS_SOLID;
    }
    if ((side.surfaceFlags & (SURF_HINT | SURF_SKIP)) != 0) {
        side.contents = 0;
    }
}

/// Drops the windings of a brush still being read, so that a printed box is built from the faces
/// kept so far and never left over from an earlier message.
void ForgetWindings(CheckerRun& run, int brushIndex) {
    MapBrush& brush = BrushAt(run, brushIndex);
    for (int s = 0; s < brush.sideCount; ++s) {
        SideOf(run, brush, s).winding.reset();
    }
    ResetBox(brush.mins, brush.maxs);
}

void BeginBrushMessage(CheckerRun& run, int brushIndex) {
    const MapBrush& brush = BrushAt(run, brushIndex);
    RecordProblemBrush(run, brush.entityNumber, brush.brushNumber);
    BeginBspErrors(run);
}

void EndBrushMessage(CheckerRun& run, int brushIndex) {
    ForgetWindings(run, brushIndex);
    PrintBrushBounds(run, brushIndex);
}

/// Reports a face whose plane (or its mirror) the brush has already; true when the face is dropped.
bool ReportRepeatedPlane(CheckerRun& run, int brushIndex, int planeNumber, int faceCounter) {
    const MapBrush& brush = BrushAt(run, brushIndex);
    for (int k = 0; k < brush.sideCount; ++k) {
        const int kept = SideOf(run, brush, k).planeNumber;
        if (kept != planeNumber && kept != (planeNumber ^ 1)) {
            continue;
        }
        const char* what = kept == planeNumber ? "duplicate" : "mirrored";
        BeginBrushMessage(run, brushIndex);
        ReportPrint(run, "\nentity %i, brush %i: %s plane (faces %d and %d)\n", brush.entityNumber,
                    brush.brushNumber, what, k, faceCounter);
        ReportPrint(run, "%s", DELETE_BRUSH_ADVICE);
        EndBrushMessage(run, brushIndex);
        return true;
    }
    return false;
}

void ReadFace(CheckerRun& run, int brushIndex, int faceCounter) {
    if (run.sides.size() >= static_cast<std::size_t>(MAX_MAP_BRUSHSIDES)) {
        FatalError(run, "MAX_MAP_BRUSHSIDES (%d) - Your map is too complex.\nCorrective action: Simplify, make it smaller, or split it up.",
                   MAX_MAP_BRUSHSIDES);
    }
    FaceLine face = ReadFaceLine(run);
    ApplyContentRules(face.side);
    run.currentBrush = brushIndex;
    run.currentFace = faceCounter;
    const int planeNumber = PlaneThroughPoints(run, face.points[0], face.points[1], face.points[2]);
    run.currentBrush = -1;
    if (ReportRepeatedPlane(run, brushIndex, planeNumber, faceCounter)) {
        return;  // A repeated plane drops the face; reading goes on.
    }
    MapBrush& brush = BrushAt(run, brushIndex);
    face.side.planeNumber = planeNumber;
    face.side.faceNumber = brush.sideCount;
    run.sides.push_back(std::move(face.side));
    ++brush.sideCount;
}

void ReportMixedContents(CheckerRun& run, int brushIndex) {
    BeginBrushMessage(run, brushIndex);
    const MapBrush& brush = BrushAt(run, brushIndex);
    ReportPrint(run, "\nentity %i, brush %i: mixed face contents\n", brush.entityNumber, brush.brushNumber);
    for (int s = 0; s < brush.sideCount; ++s) {
        ReportPrint(run, "Side %d has content flags: ", s);
        ReportPrint(run, "%s\n", ContentsNames(SideOf(run, brush, s).contents).c_str());
    }
    ReportPrint(run, "Corrective action: Use the same content properties for all faces.\n");
    EndBrushMessage(run, brushIndex);
}

void SetBrushContents(CheckerRun& run, int brushIndex) {
    const MapBrush& brush = BrushAt(run, brushIndex);
    if (brush.sideCount == 0) {
        return;
    }
    std::uint32_t contents = SideOf(run, brush, 0).contents;
    std::uint32_t translucent = SideOf(run, brush, 0).surfaceFlags;
    for (int s = 1; s < brush.sideCount; ++s) {
        const BrushSide& side = SideOf(run, brush, s);
        translucent |= side.surfaceFlags;
        if (side.contents != contents) {
            ReportMixedContents(run, brushIndex);
            break;
        }
    }
    if ((translucent & (SURF_TRANS33 | SURF_TRANS66)) != 0) {
        contents |= CONTENTS_TRANSLUCENT;
        if ((contents & CONTENTS_SOLID) != 0) {
            contents = (contents & ~CONTENTS_SOLID) | CONTENTS_WINDOW;
        }
    }
    BrushAt(run, brushIndex).contents = contents;
}

/// An origin brush gives its entity the centre of its box as "origin" and is not kept.
void TakeOriginBrush(CheckerRun& run, int brushIndex, int entityNumber) {
    const MapBrush brush = BrushAt(run, brushIndex);
    if (entityNumber == 0) {
        FatalError(run,
                   "\nentity %i, brush %i: origin brushes not allowed in world\n"
                   "Corrective action: If this brush is meant to be part of a func_rotating\n"
                   "                   or func_door_rotating, make it so. Otherwise remove\n"
                   "                   the \"origin\" content property from all faces.\n"
                   "Bounding box for this brush: ( %g %g %g ) to ( %g %g %g )\n",
                   brush.entityNumber, brush.brushNumber, static_cast<double>(brush.mins[0]),
                   static_cast<double>(brush.mins[1]), static_cast<double>(brush.mins[2]),
                   static_cast<double>(brush.maxs[0]), static_cast<double>(brush.maxs[1]),
                   static_cast<double>(brush.maxs[2]));
    }
    Vec3 centre{};
    for (int i = 0; i < 3; ++i) {
        const double mid = (static_cast<double>(brush.mins[i]) + static_cast<double>(brush.maxs[i])) * 0.5;
        centre[static_cast<std::size_t>(i)] = WithoutNegativeZero(static_cast<float>(mid));
    }
    char text[128];
    std::snprintf(text, sizeof text, "%g %g %g", static_cast<double>(centre[0]), static_cast<double>(centre[1]),
                  static_cast<double>(centre[2]));
    MapEntity& entity = run.entities[static_cast<std::size_t>(entityNumber)];
    SetValueOfKey(entity, "origin", text);
    entity.origin = centre;
    // The record goes back to the table's free space; its sides stay where they are.
    run.brushes.pop_back();
}

}  // namespace

void ParseBrush(CheckerRun& run, int entityNumber) {
    if (run.brushes.size() >= static_cast<std::size_t>(MAX_MAP_BRUSHES)) {
        FatalError(run, "MAX_MAP_BRUSHES (%d) - The map has too many brushes.\nCorrective action: Simplify, make it smaller, or split it up.",
                   MAX_MAP_BRUSHES);
    }
    MapEntity& entity = run.entities[static_cast<std::size_t>(entityNumber)];
    MapBrush record;
    record.entityNumber = entityNumber;
    record.brushNumber = static_cast<int>(run.brushes.size()) - entity.firstBrush;
    record.firstSide = static_cast<int>(run.sides.size());
    run.brushes.push_back(record);
    const int brushIndex = static_cast<int>(run.brushes.size()) - 1;

    // The end of the map ends the brush like a "}"; the entity reader reports the missing brace.
    for (int faceCounter = 0; ReadToken(run, true) && !TokenIs(run, '}'); ++faceCounter) {
        ReadFace(run, brushIndex, faceCounter);
    }
    SetBrushContents(run, brushIndex);
    BuildBrushWindings(run, brushIndex);
    if ((BrushAt(run, brushIndex).contents & CONTENTS_ORIGIN) != 0) {
        TakeOriginBrush(run, brushIndex, entityNumber);
        return;
    }
    AddBrushBevels(run, brushIndex);
    ++run.entities[static_cast<std::size_t>(entityNumber)].brushCount;
}

}  // namespace quillon
