#include "checker/report/Report.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "checker/run/CheckerRun.h"
#include "checker/checks/EntityClasses.h"
#include "checker/map/BrushGeometry.h"
#include "checker/map/MapEntities.h"
#include "checker/map/Vector.h"
#include "platform/Platform.h"

namespace quillon {

namespace {

constexpr int MAX_PAD_DOTS = 63;

/// Prints `banner` before the first message of a section and counts the message.
void BeginSection(CheckerRun& run, int& counter, const char* banner) {
    if (counter == 0) {
        ReportPrint(run, "%s", banner);
    }
    ++counter;
}

// The conversions below hand one piece of a checked format on to snprintf.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif

/// Appends what one conversion of a printf format writes; `directive` runs from the "%" to the
/// conversion letter. False for a conversion it does not take (the caller then leaves it to
/// vfprintf).
bool AppendConversion(std::string& text, std::string_view directive, va_list& arguments) {
    const char conversion = directive.back();
    const bool plain = directive.size() == 2;
    const std::string owned(directive);
    char buffer[512];
    int length = -1;
    if (directive.find('*') != std::string_view::npos || directive.find_first_of("hjztL") != std::string_view::npos) {
        return false;
    }
    const bool isLong = directive.find('l') != std::string_view::npos;
    const bool isLongLong = directive.find("ll") != std::string_view::npos;
    switch (conversion) {
        case 'd':
        case 'i':
            if (isLongLong) {
                length = std::snprintf(buffer, sizeof buffer, owned.c_str(), va_arg(arguments, long long));
            } else if (isLong) {
                length = std::snprintf(buffer, sizeof buffer, owned.c_str(), va_arg(arguments, long));
            } else if (plain) {
                text += std::to_string(va_arg(arguments, int));
                return true;
            } else {
                length = std::snprintf(buffer, sizeof buffer, owned.c_str(), va_arg(arguments, int));
            }
            break;
        case 'u':
        case 'x':
        case 'X':
        case 'o':
            if (isLongLong) {
                length = std::snprintf(buffer, sizeof buffer, owned.c_str(), va_arg(arguments, unsigned long long));
            } else if (isLong) {
                length = std::snprintf(buffer, sizeof buffer, owned.c_str(), va_arg(arguments, unsigned long));
            } else {
                length = std::snprintf(buffer, sizeof buffer, owned.c_str(), va_arg(arguments, unsigned));
            }
            break;
        case 'c':
            length = std::snprintf(buffer, sizeof buffer, owned.c_str(), va_arg(arguments, int));
            break;
        case 's': {
            const char* value = va_arg(arguments, const char*);
            if (value == nullptr) {
                return false;
            }
            if (plain) {
                text += value;
                return true;
            }
            const int needed = std::snprintf(nullptr, 0, owned.c_str(), value);
            if (needed < 0) {
                return false;
            }
            std::string formatted(static_cast<std::size_t>(needed) + 1, '\0');
            std::snprintf(formatted.data(), formatted.size(), owned.c_str(), value);
            text.append(formatted.data(), static_cast<std::size_t>(needed));
            return true;
        }
        case 'g':
            if (plain) {
                AppendG(text, va_arg(arguments, double));
                return true;
            }
            [[fallthrough]];
        case 'f':
        case 'e':
        case 'G':
        case 'E':
            length = std::snprintf(buffer, sizeof buffer, owned.c_str(), va_arg(arguments, double));
            break;
        default:
            return false;
    }
    if (length < 0 || length >= static_cast<int>(sizeof buffer)) {
        return false;
    }
    text.append(buffer, static_cast<std::size_t>(length));
    return true;
}

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

/// What vfprintf would write for the format, put together with the common conversions ("%s",
/// "%i", "%d", "%g") written directly; false when the format holds a conversion it leaves to
/// vfprintf, with `arguments` then used up.
bool FormatInto(std::string& text, const char* format, va_list arguments) {
    text.clear();
    va_list rest;
    va_copy(rest, arguments);
    bool done = true;
    for (const char* at = format; *at != '\0';) {
        if (*at != '%') {
            const char* next = std::strchr(at, '%');
            const std::size_t length = next == nullptr ? std::strlen(at) : static_cast<std::size_t>(next - at);
            text.append(at, length);
            at += length;
            continue;
        }
        if (at[1] == '%') {
            text += '%';
            at += 2;
            continue;
        }
        const char* end = at + 1;
        while (*end != '\0' && std::strchr("-+ #0123456789.*hljztL", *end) != nullptr) {
            ++end;
        }
        if (*end == '\0' || !AppendConversion(text, std::string_view(at, static_cast<std::size_t>(end - at) + 1), rest)) {
            done = false;
            break;
        }
        at = end + 1;
    }
    va_end(rest);
    return done;
}

void PrintOriginalSides(CheckerRun& run, const MapBrush& brush) {
    ReportPrint(run, "Invalid bounding box. Original brush sides:\n");
    for (int s = 0; s < brush.sideCount; ++s) {
        const BrushSide& side = run.sides[static_cast<std::size_t>(brush.firstSide + s)];
        if (side.bevel) {
            continue;
        }
        for (const IntPoint& point : side.points) {
            ReportPrint(run, "( %g %g %g ) ", static_cast<double>(point[0]), static_cast<double>(point[1]),
                        static_cast<double>(point[2]));
        }
        ReportPrint(run, "\n");
    }
}

bool BrushHasWindings(const CheckerRun& run, const MapBrush& brush) {
    return brush.sideCount > 0 && run.sides[static_cast<std::size_t>(brush.firstSide)].winding.has_value();
}

/// The brush a (entity, brush within entity) pair names, or null when the tables hold no such brush.
/// A brush that a func_group or func_areaportal gave to the world has left its entity's range, and
/// the range's start has moved past it; its record still carries the numbers it was read with.
const MapBrush* FindProblemBrush(const CheckerRun& run, const ProblemBrush& pair) {
    if (pair.entityNumber < 0 || pair.entityNumber >= static_cast<int>(run.entities.size()) || pair.brushNumber < 0) {
        return nullptr;
    }
    const MapEntity& entity = run.entities[static_cast<std::size_t>(pair.entityNumber)];
    const int index = entity.firstBrush + pair.brushNumber;
    if (pair.brushNumber < entity.brushCount && index < static_cast<int>(run.brushes.size())) {
        return &run.brushes[static_cast<std::size_t>(index)];
    }
    for (const MapBrush& brush : run.brushes) {
        if (brush.entityNumber == pair.entityNumber && brush.brushNumber == pair.brushNumber) {
            return &brush;
        }
    }
    return nullptr;
}

void WriteBoxPath(std::FILE* file, const Vec3& lo, const Vec3& hi) {
    // Eleven of the box's twelve edges as one path, ending where it started.
    const Vec3 points[15] = {
        {lo[0], lo[1], lo[2]}, {hi[0], lo[1], lo[2]}, {hi[0], hi[1], lo[2]}, {lo[0], hi[1], lo[2]},
        {lo[0], lo[1], lo[2]}, {lo[0], lo[1], hi[2]}, {hi[0], lo[1], hi[2]}, {hi[0], lo[1], lo[2]},
        {hi[0], lo[1], hi[2]}, {hi[0], hi[1], hi[2]}, {hi[0], hi[1], lo[2]}, {hi[0], hi[1], hi[2]},
        {lo[0], hi[1], hi[2]}, {lo[0], hi[1], lo[2]}, {lo[0], lo[1], lo[2]},
    };
    for (const Vec3& p : points) {
        std::fprintf(file, "%f %f %f\n", static_cast<double>(p[0]), static_cast<double>(p[1]),
                     static_cast<double>(p[2]));
    }
}

}  // namespace

void ReportPrint(CheckerRun& run, const char* format, ...) {
    if (run.report == nullptr) {
        return;
    }
    va_list arguments;
    va_start(arguments, format);
    va_list again;
    va_copy(again, arguments);
    static std::string text;
    if (FormatInto(text, format, arguments)) {
        std::fwrite(text.data(), 1, text.size(), run.report);
    } else {
        std::vfprintf(run.report, format, again);
    }
    va_end(again);
    va_end(arguments);
}

void ReportWrite(CheckerRun& run, std::string_view text) {
    if (run.report != nullptr) {
        std::fwrite(text.data(), 1, text.size(), run.report);
    }
}

void BeginBspErrors(CheckerRun& run) {
    BeginSection(run, run.counters.bspErrors,
                 "\n============================= bsp Errors =============================\n");
}

void BeginRuntimeErrors(CheckerRun& run) {
    BeginSection(run, run.counters.runtimeErrors,
                 "\n=================== Runtime Errors/Inconsistencies ===================\n");
}

void BeginLogicNotes(CheckerRun& run) {
    BeginSection(run, run.counters.logicNotes,
                 "\n********************************************************\n"
                 "NOTE: The following messages do NOT necessarily indicate\n"
                 "      game errors, but MAY indicate logic problems in\n"
                 "      your map.\n"
                 "********************************************************\n");
}

void BeginNonStandardNotes(CheckerRun& run) {
    BeginSection(run, run.counters.nonStandardNotes,
                 "\n********************************************************\n"
                 "NOTE: The following messages do NOT indicate errors,\n"
                 "      but MAY require extra attention to non-standard\n"
                 "      map details.\n"
                 "********************************************************\n");
}

void PrintSkillLevels(CheckerRun& run, std::uint32_t mask) {
    if (mask & SKILL_EASY) {
        ReportPrint(run, "EASY\n");
    }
    if (mask & SKILL_NORMAL) {
        ReportPrint(run, "NORMAL\n");
    }
    if (mask & SKILL_HARD) {
        ReportPrint(run, "HARD\n");
    }
    if (mask & SKILL_DEATHMATCH) {
        ReportPrint(run, "DEATHMATCH\n");
    }
}

void PrintEntityLocation(CheckerRun& run, int entityNumber) {
    const MapEntity& entity = run.entities[static_cast<std::size_t>(entityNumber)];
    const std::string& className = ValueOfKey(entity, "classname");
    if (FindClass(run, className) > 0 && NeedsBrush(run, entity)) {
        const Vec3 centre = EntityLocation(run, entityNumber);
        ReportPrint(run, "Center of this %s: ( %g %g %g )\n", className.c_str(), static_cast<double>(centre[0]),
                    static_cast<double>(centre[1]), static_cast<double>(centre[2]));
        return;
    }
    ReportPrint(run, "      origin:%s\n", ValueOfKey(entity, "origin").c_str());
}

void PrintBrushBounds(CheckerRun& run, int brushIndex) {
    run.printingBounds = true;
    if (!BrushHasWindings(run, run.brushes[static_cast<std::size_t>(brushIndex)])) {
        BuildBrushWindings(run, brushIndex);
    }
    // The table may not move while the box is printed, but take the reference after building.
    const MapBrush& brush = run.brushes[static_cast<std::size_t>(brushIndex)];
    ReportPrint(run, "Bounding box for this brush: ( %g %g %g ) to ( %g %g %g )\n", static_cast<double>(brush.mins[0]),
                static_cast<double>(brush.mins[1]), static_cast<double>(brush.mins[2]),
                static_cast<double>(brush.maxs[0]), static_cast<double>(brush.maxs[1]),
                static_cast<double>(brush.maxs[2]));
    if (IsBoxCleared(brush.mins, brush.maxs)) {
        PrintOriginalSides(run, brush);
    }
    run.printingBounds = false;
    if (run.report != nullptr) {
        std::fflush(run.report);
    }
}

std::string PadField(int width, const std::string& text) {
    if (width <= 0) {
        return {};
    }
    std::string field = text + std::string(MAX_PAD_DOTS, '.');
    if (field.size() > static_cast<std::size_t>(width)) {
        field.resize(static_cast<std::size_t>(width));
    }
    return field;
}

void RecordProblemBrush(CheckerRun& run, int entityNumber, int brushNumber) {
    if (static_cast<int>(run.problemBrushes.size()) < MAX_PROBLEM_BRUSHES) {
        run.problemBrushes.push_back({entityNumber, brushNumber});
    }
}

std::string LineFilePath(const std::string& mapPath) {
    const platform::PathParts parts = platform::SplitPath(mapPath);
    return parts.drive + parts.directory + parts.name + ".lin";
}

void WriteLineFile(CheckerRun& run) {
    if (run.problemBrushes.empty()) {
        return;
    }
    // A line file that cannot be created is left out, and the report's last line says so; the
    // report itself already names every brush.
    const std::string path = LineFilePath(run.settings.lastMapFile);
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        const std::string reason = platform::SystemErrorText(errno);
        std::fprintf(stderr, "quillon2: Cannot write the line file %s: %s\n", path.c_str(), reason.c_str());
        std::FILE* report = run.report != nullptr ? run.report : std::fopen(run.derived.reportPath.c_str(), "ab");
        if (report != nullptr) {
            std::fprintf(report, "\nCannot write the line file %s: %s\n", path.c_str(), reason.c_str());
            if (report != run.report) {
                std::fclose(report);
            }
        }
        return;
    }
    for (const ProblemBrush& pair : run.problemBrushes) {
        if (const MapBrush* brush = FindProblemBrush(run, pair)) {
            WriteBoxPath(file, brush->mins, brush->maxs);
        }
    }
    std::fclose(file);
}

}  // namespace quillon
