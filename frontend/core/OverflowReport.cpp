#include "frontend/core/OverflowReport.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "platform/Platform.h"
#include "platform/Text.h"

namespace quillon {

const char* const CREDIT_LINE = "Map diagnostics and index-overflow analysis for Quake 2 level sources\n";

namespace {

constexpr const char* NO_GAME_DATA_LINE =
    "No game data found (no pak files, no texture folder): the contents and surface flags of faces that do\n"
    "not state them on their line are unknown, so texture-dependent findings may be wrong.\n";

constexpr std::size_t ENTITY_COLUMN = 24;
constexpr std::size_t NAME_COLUMN = 48;

[[gnu::format(printf, 2, 3)]] void Append(std::string& out, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length > 0) {
        const std::size_t start = out.size();
        out.resize(start + static_cast<std::size_t>(length) + 1);
        std::vsnprintf(out.data() + start, static_cast<std::size_t>(length) + 1, format, arguments);
        out.resize(start + static_cast<std::size_t>(length));
    }
    va_end(arguments);
}

bool Selected(const SectionOptions& options, int level) {
    return (options.show & (1 << level)) != 0;
}

int ModelTotal(const OverflowAnalysis& analysis, int level) {
    return analysis.brushModelCount + analysis.Count(ResourceKind::Model, level) + 1;
}

void AppendLevelLabels(std::string& out, const SectionOptions& options) {
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        if (Selected(options, level)) {
            Append(out, "%6s\t", LEVEL_LABELS[static_cast<std::size_t>(level)]);
        }
    }
}

template <typename CountOfLevel>
void AppendLevelCounts(std::string& out, const SectionOptions& options, CountOfLevel count) {
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        if (Selected(options, level)) {
            Append(out, "%6d\t", count(level));
        }
    }
}

void AppendTotalsHeading(std::string& out, const OverflowAnalysis& analysis, const SectionOptions& options) {
    Append(out, "\n================== MODEL, SOUND, AND IMAGE TOTALS ==================\n\n");
    if ((options.show & 16) != 0) {
        if (!analysis.pickupList.empty()) {
            Append(out, "Includes ALL dropable pickup items (-cheat option)\n\n");
        } else {
            Append(out, "Could not find the entity database %s.\nUnable to perform 'cheat' option.\n\n",
                   options.databasePath.c_str());
        }
    }
    if (!options.ignoreList.empty()) {
        Append(out, "\nNOTE: The following entities have been ignored\n      using the Ignore option:\n");
        for (const std::string& className : options.ignoreList) {
            Append(out, "%s\n", className.c_str());
        }
        Append(out, "Ignored entity locations found at the end of this output.\n");
        Append(out, "\n\n");
    }
}

/// What the analysis had to leave out once a table was full; the totals above stop there.
void AppendTableLimitNotes(std::string& out, const OverflowAnalysis& analysis) {
    if (analysis.entityTableFull) {
        Append(out, "\nNOTE: Only the first %zu entities (the map's, spawned and dropped ones)\n      were counted.\n",
               analysis.EntityRoom());
    }
    if (analysis.resourceListFull) {
        const std::size_t models = analysis.NameRoom(ResourceKind::Model);
        const std::size_t sounds = analysis.NameRoom(ResourceKind::Sound);
        const std::size_t images = analysis.NameRoom(ResourceKind::Image);
        if (models == sounds && sounds == images) {
            Append(out,
                   "\nNOTE: Only the first %zu models, sounds and images of each kind\n"
                   "      were counted in each level.\n",
                   models);
        } else {
            Append(out, "\nNOTE: Only the first %zu models, %zu sounds and %zu images\n      were counted in each level.\n",
                   models, sounds, images);
        }
    }
    if (analysis.pickupListFull) {
        Append(out, "\nNOTE: Only the first %zu pickup classes were added by the -cheat option.\n",
               MAX_PICKUP_CLASSES);
    }
}

void AppendTotalsTable(std::string& out, const OverflowAnalysis& analysis, const SectionOptions& options) {
    Append(out, "        ");
    AppendLevelLabels(out, options);
    Append(out, "\n%-8s", "Models");
    AppendLevelCounts(out, options, [&](int level) { return ModelTotal(analysis, level); });
    Append(out, "\n%-8s", "Sounds");
    AppendLevelCounts(out, options, [&](int level) { return analysis.Count(ResourceKind::Sound, level); });
    Append(out, "\n%-8s", "Images");
    AppendLevelCounts(out, options, [&](int level) { return analysis.Count(ResourceKind::Image, level); });
    Append(out, "\n\n");
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        if (!Selected(options, level)) {
            continue;
        }
        const char* label = LEVEL_LABELS[static_cast<std::size_t>(level)];
        if (ModelTotal(analysis, level) > analysis.Limit(ResourceKind::Model)) {
            Append(out, "   WARNING: Too many models in %s\n", label);
        }
        if (analysis.Count(ResourceKind::Sound, level) > analysis.Limit(ResourceKind::Sound)) {
            Append(out, "WARNING: Too many sounds in %s\n", label);
        }
        if (analysis.Count(ResourceKind::Image, level) > analysis.Limit(ResourceKind::Image)) {
            Append(out, "WARNING: Too many images in %s\n", label);
        }
    }
    AppendTableLimitNotes(out, analysis);
}

void AppendEntityList(std::string& out, const OverflowAnalysis& analysis, const SectionOptions& options) {
    Append(out, "\n=========================== ENTITY LIST ============================\n\n");
    Append(out, "Includes spawned/dropped entities\n\n");
    Append(out, "Entity                  ");
    AppendLevelLabels(out, options);
    Append(out, "\n");
    std::array<int, LEVEL_COUNT> totals{};
    const std::vector<OverflowEntity>& entities = analysis.entities;
    for (std::size_t start = 0; start < entities.size();) {
        std::size_t end = start;
        std::array<int, LEVEL_COUNT> counts{};
        bool listed = false;
        for (; end < entities.size() && entities[end].classname == entities[start].classname; ++end) {
            if (entities[end].ignored) {
                continue;
            }
            listed = true;
            for (int level = 0; level < LEVEL_COUNT; ++level) {
                counts[static_cast<std::size_t>(level)] += PresentInLevel(entities[end].spawnflags, level) ? 1 : 0;
            }
        }
        if (listed) {
            Append(out, "%-24s", DotFilled(entities[start].classname, ENTITY_COLUMN).c_str());
            AppendLevelCounts(out, options, [&](int level) { return counts[static_cast<std::size_t>(level)]; });
            Append(out, "\n");
            for (int level = 0; level < LEVEL_COUNT; ++level) {
                totals[static_cast<std::size_t>(level)] += counts[static_cast<std::size_t>(level)];
            }
        }
        start = end;
    }
    Append(out, "----------------------------------------------------------------------\n");
    Append(out, "%-24s", "Total entities");
    AppendLevelCounts(out, options, [&](int level) { return totals[static_cast<std::size_t>(level)]; });
    Append(out, "\n");
    Append(out, "======================================================================\n");
    Append(out, "Total number of brush models = %d\n\n", analysis.brushModelCount);
}

void AppendDetailNotes(std::string& out, const OverflowAnalysis& analysis) {
    Append(out,
           "\n============= DETAILED MODEL, SOUND, AND IMAGE LISTS =================\n\nNOTES:\n"
           "1)  These lists contain ONLY those models, images, and\n"
           "    sounds which contribute to the ERROR: Index overflow error.\n"
           "2)  QUILLON does not check for the existence of sound files.\n"
           "    This includes sounds played by target_speakers, as well\n"
           "    as sounds which SHOULD exist but do not (e.g. trigger1.wav\n"
           "    for trigger_multiple with sounds=3.)\n"
           "3)  player/male model and sound/player/male sounds will be\n"
           "    replaced at runtime by the appropriate player model and sounds.\n"
           "4)  Inhibited brush models are included in the %d model limit.\n",
           analysis.Limit(ResourceKind::Model));
}

bool LessIgnoringCaseThenExact(const std::string& a, const std::string& b) {
    const auto lower = [](char c) { return static_cast<unsigned char>(AsciiLower(c)); };
    const bool less = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                                   [&](char x, char y) { return lower(x) < lower(y); });
    const bool greater = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                                      [&](char x, char y) { return lower(x) < lower(y); });
    return less || (!greater && a < b);
}

/// Every name of the kind in the selected levels, sorted, each exact name once.
std::vector<std::string> UnionOfLevels(const OverflowAnalysis& analysis, ResourceKind kind,
                                       const SectionOptions& options) {
    std::vector<std::string> names;
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        if (Selected(options, level)) {
            const std::vector<std::string>& levelNames = analysis.List(kind, level).names;
            names.insert(names.end(), levelNames.begin(), levelNames.end());
        }
    }
    std::sort(names.begin(), names.end(), LessIgnoringCaseThenExact);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

void AppendNameRows(std::string& out, const OverflowAnalysis& analysis, ResourceKind kind,
                    const SectionOptions& options) {
    for (const std::string& name : UnionOfLevels(analysis, kind, options)) {
        Append(out, "%-48s", DotFilled(name, NAME_COLUMN).c_str());
        for (int level = 0; level < LEVEL_COUNT; ++level) {
            if (!Selected(options, level)) {
                continue;
            }
            const std::vector<std::string>& names = analysis.List(kind, level).names;
            const bool listed = std::find(names.begin(), names.end(), name) != names.end();
            Append(out, "%s", listed ? "     X\t" : "      \t");
        }
        Append(out, "\n");
    }
}

void AppendDetailedList(std::string& out, const OverflowAnalysis& analysis, ResourceKind kind,
                        const SectionOptions& options) {
    static constexpr std::array<const char*, RESOURCE_KIND_COUNT> HEADINGS = {"Model", "Sound", "Image"};
    static constexpr std::array<const char*, RESOURCE_KIND_COUNT> TOTALS = {
        "Total number of models", "Total number of sounds", "Total number of images"};
    const auto index = static_cast<std::size_t>(kind);
    Append(out, "\n%-48s", HEADINGS[index]);
    AppendLevelLabels(out, options);
    Append(out, "\n%-48s", TOTALS[index]);
    if (kind == ResourceKind::Model) {
        AppendLevelCounts(out, options, [&](int level) { return ModelTotal(analysis, level); });
        Append(out, "\n(includes %d brush models + .bsp)\n", analysis.brushModelCount);
    } else {
        AppendLevelCounts(out, options, [&](int level) { return analysis.Count(kind, level); });
        Append(out, "\n");
    }
    AppendNameRows(out, analysis, kind, options);
}

void AppendIgnoredEntities(std::string& out, const OverflowAnalysis& analysis) {
    Append(out, "\n======================== IGNORED ENTITIES ============================\n\n");
    const std::string* previous = nullptr;
    for (const OverflowEntity& entity : analysis.entities) {
        if (!entity.ignored) {
            continue;
        }
        if (previous == nullptr || *previous != entity.classname) {
            Append(out, "%s\n", entity.classname.c_str());
            previous = &entity.classname;
        }
        Append(out, "\t(%5i %5i %5i)\t%s\n", entity.origin[0], entity.origin[1], entity.origin[2],
               entity.targetname.c_str());
    }
}

}  // namespace

std::string DotFilled(const std::string& text, std::size_t width) {
    std::string filled = text + std::string(63, '.');
    filled.resize(std::min(filled.size(), width));
    return filled;
}

std::string FormatReportDate(std::time_t when) {
    char text[40];
    const std::tm* local = std::localtime(&when);
    std::snprintf(text, sizeof text, "%02d/%02d/%02d", local->tm_mon + 1, local->tm_mday, local->tm_year % 100);
    return text;
}

std::string FormatReportTime(std::time_t when) {
    char text[40];
    std::strftime(text, sizeof text, "%H:%M:%S", std::localtime(&when));
    return text;
}

std::string FormatReportHead(const ReportHead& head) {
    std::string out;
    Append(out, "QUILLON %s\n", head.version.c_str());
    Append(out, "%s", CREDIT_LINE);
    Append(out, "\nResults for %s - %s %s\n", head.mapPath.c_str(), head.date.c_str(), head.time.c_str());
    Append(out, "\nEntity database: %s from %s\n", head.databasePath.c_str(), head.databaseOrigin.c_str());
    if (!head.textureDir.empty()) {
        Append(out, "Texture directory: %s\n", head.textureDir.c_str());
    } else {
        const std::string assumed =
            head.assumedTextureDir.empty() ? platform::DeriveGameDirectories("").textureDir : head.assumedTextureDir;
        Append(out, "Assumed texture directory: %s/\n", assumed.c_str());
    }
    if (!head.gameFolder.empty()) {
        Append(out, "Game folder: %s\n", head.gameFolder.c_str());
    }
    if (!head.gameDataFound) {
        Append(out, "%s", NO_GAME_DATA_LINE);
    }
    return out;
}

std::string FormatOverflowSections(const OverflowAnalysis& analysis, const SectionOptions& options) {
    std::string out;
    AppendTotalsHeading(out, analysis, options);
    AppendTotalsTable(out, analysis, options);
    AppendEntityList(out, analysis, options);
    AppendDetailNotes(out, analysis);
    AppendDetailedList(out, analysis, ResourceKind::Model, options);
    AppendDetailedList(out, analysis, ResourceKind::Sound, options);
    AppendDetailedList(out, analysis, ResourceKind::Image, options);
    if (analysis.ignoredCount > 0) {
        AppendIgnoredEntities(out, analysis);
    }
    return out;
}

}  // namespace quillon
