#include "checker/lists/EntityList.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "checker/run/CheckerRun.h"
#include "checker/checks/EntityClasses.h"
#include "checker/run/FatalError.h"
#include "checker/map/MapEntities.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace quillon {

namespace {

// The lengths of "Classname ", "Targetname ", "Key " and "Value ": a column is never narrower.
constexpr std::size_t MIN_CLASS_WIDTH = 10;
constexpr std::size_t MIN_TARGET_WIDTH = 11;
constexpr std::size_t MIN_KEY_WIDTH = 4;
constexpr std::size_t MIN_VALUE_WIDTH = 6;
constexpr std::size_t COLUMN_GAP = 3;
constexpr std::size_t INDEX_COLUMN = 5;  // "%4i "

enum class ListOption { Class, TargetName, KeysAndValues };

struct ColumnWidths {
    std::size_t className = MIN_CLASS_WIDTH;
    std::size_t targetName = MIN_TARGET_WIDTH;
    std::size_t key = MIN_KEY_WIDTH;
    std::size_t value = MIN_VALUE_WIDTH;
};

ListOption OptionOf(int option) {
    if (option == 1) {
        return ListOption::TargetName;
    }
    return option == 2 ? ListOption::KeysAndValues : ListOption::Class;
}

bool IsWorldspawn(const MapEntity& entity) {
    return LowerCased(ValueOfKey(entity, "classname")) == "worldspawn";
}

/// The text filled with dots to exactly `width` characters, or cut to it.
std::string PadToWidth(std::size_t width, const std::string& text) {
    std::string field = text;
    field.resize(width, '.');
    return field;
}

/// A coordinate cut toward zero, as the list prints it.
int TruncatedCoordinate(float value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return static_cast<int>(std::clamp(static_cast<double>(value), -2.0e9, 2.0e9));
}

}  // namespace

bool EntityListSearch::Matches(const std::string& text) const {
    const std::string candidate = LowerCased(text);
    switch (criteria) {
    case 1:
        return candidate.compare(0, match.size(), match) == 0;
    case 2:
        return candidate.find(match) != std::string::npos;
    default:
        return candidate == match;
    }
}

bool EntityListSearch::Admits(const MapEntity& entity) const {
    return allClasses || LowerCased(ValueOfKey(entity, "classname")) == className;
}

const EntityPair* EntityListSearch::FirstMatchingPair(const MapEntity& entity) const {
    // The entity keeps its pairs newest first, so the walk starts at the pair read last.
    for (auto pair = entity.pairs.rbegin(); pair != entity.pairs.rend(); ++pair) {
        if (Matches(pair->key) || Matches(pair->value)) {
            return &*pair;
        }
    }
    return nullptr;
}

EntityListSearch MakeEntityListSearch(const CheckerSettings& settings) {
    EntityListSearch search;
    search.match = LowerCased(settings.findEntMatch);
    search.className = LowerCased(settings.findEntClassName);
    search.allClasses = search.className == "all";
    search.criteria = settings.findEntMatchCriteria;
    return search;
}

std::string QuoteCsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

void SortEntityList(CheckerRun& run, int sortBy) {
    if (sortBy != 1 && sortBy != 2) {
        return;
    }
    const char* key = sortBy == 1 ? "classname" : "targetname";
    // Equal names keep their file order: the sort is stable and the table is still in file order.
    std::stable_sort(run.entities.begin(), run.entities.end(), [key](const MapEntity& a, const MapEntity& b) {
        return LowerCased(ValueOfKey(a, key)) < LowerCased(ValueOfKey(b, key));
    });
}

namespace {

void Widen(std::size_t& width, const std::string& text) {
    width = std::max(width, text.size() + COLUMN_GAP);
}

void MeasureEntity(ColumnWidths& widths, const MapEntity& entity) {
    Widen(widths.className, ValueOfKey(entity, "classname"));
    Widen(widths.targetName, ValueOfKey(entity, "targetname"));
}

ColumnWidths MeasureColumns(const CheckerRun& run, const EntityListSearch& search, ListOption option) {
    ColumnWidths widths;
    for (const MapEntity& entity : run.entities) {
        if (!search.Admits(entity)) {
            continue;
        }
        if (option == ListOption::Class) {
            MeasureEntity(widths, entity);
        } else if (option == ListOption::TargetName) {
            if (search.Matches(ValueOfKey(entity, "targetname"))) {
                MeasureEntity(widths, entity);
            }
        } else {
            // Every matching pair counts here, not only the one that gets listed.
            for (const EntityPair& pair : entity.pairs) {
                if (search.Matches(pair.key) || search.Matches(pair.value)) {
                    MeasureEntity(widths, entity);
                    Widen(widths.key, pair.key);
                    Widen(widths.value, pair.value);
                }
            }
        }
    }
    return widths;
}

void AppendPadded(std::string& line, const char* title, std::size_t end) {
    line += title;
    if (line.size() < end) {
        line.append(end - line.size(), ' ');
    }
}

std::string TextHeader(const ColumnWidths& widths, ListOption option) {
    std::string line = "     ";
    std::size_t end = INDEX_COLUMN + widths.className;
    AppendPadded(line, "Classname", end);
    end += widths.targetName;
    AppendPadded(line, "Targetname", end);
    if (option == ListOption::KeysAndValues) {
        end += widths.key;
        AppendPadded(line, "Key", end);
        end += widths.value;
        AppendPadded(line, "Value", end);
    }
    return line + "         X     Y     Z";
}

/// Where and what one listed entity is; `pair` is the matching pair with keys and values.
struct ListedEntity {
    int position = 0;
    std::string className;
    std::string targetName;
    const EntityPair* pair = nullptr;
    int x = 0;
    int y = 0;
    int z = 0;
    bool worldspawn = false;
};

void WriteCsvLine(std::FILE* file, const ListedEntity& e) {
    const std::string className = QuoteCsvField(e.className);
    if (e.worldspawn) {
        std::fprintf(file, "%i,%s,,,,\n", e.position, className.c_str());
        return;
    }
    const std::string targetName = QuoteCsvField(e.targetName);
    if (e.pair != nullptr) {
        std::fprintf(file, "%i,%s,%s,%s,%s,%d,%d,%d\n", e.position, className.c_str(), targetName.c_str(),
                     QuoteCsvField(e.pair->key).c_str(), QuoteCsvField(e.pair->value).c_str(), e.x, e.y, e.z);
        return;
    }
    std::fprintf(file, "%i,%s,%s,%d,%d,%d\n", e.position, className.c_str(), targetName.c_str(), e.x, e.y, e.z);
}

void WriteTextLine(std::FILE* file, const ListedEntity& e, const ColumnWidths& widths) {
    if (e.worldspawn) {
        std::fprintf(file, "%4i %s\n", e.position, e.className.c_str());
        return;
    }
    std::fprintf(file, "%4i %s", e.position, PadToWidth(widths.className, e.className).c_str());
    std::string last = PadToWidth(widths.targetName, e.targetName);
    if (e.pair != nullptr) {
        std::fprintf(file, "%s", last.c_str());
        std::fprintf(file, "%s", PadToWidth(widths.key, e.pair->key).c_str());
        last = PadToWidth(widths.value, e.pair->value);
    }
    std::fprintf(file, "%s at ( %5d %5d %5d )\n", last.c_str(), e.x, e.y, e.z);
}

struct ListWriter {
    CheckerRun& run;
    std::FILE* file;
    bool csv;
    ListOption option;
    ColumnWidths widths;
    std::vector<Vec3> locations;  ///< by position in the file

    void Write(int index, const EntityPair* pair) {
        const MapEntity& entity = run.entities[static_cast<std::size_t>(index)];
        ListedEntity listed;
        listed.position = entity.listIndex;
        listed.className = ValueOfKey(entity, "classname");
        listed.targetName = ValueOfKey(entity, "targetname");
        listed.pair = pair;
        listed.worldspawn = option == ListOption::Class && IsWorldspawn(entity);
        const Vec3& location = locations[static_cast<std::size_t>(entity.listIndex)];
        listed.x = TruncatedCoordinate(location[0]);
        listed.y = TruncatedCoordinate(location[1]);
        listed.z = TruncatedCoordinate(location[2]);
        if (csv) {
            WriteCsvLine(file, listed);
        } else {
            WriteTextLine(file, listed, widths);
        }
    }
};

void WriteListedEntities(ListWriter& writer, const EntityListSearch& search) {
    CheckerRun& run = writer.run;
    if (writer.option == ListOption::Class) {
        run.counters.matchCount = static_cast<int>(run.entities.size());
    }
    for (std::size_t i = 0; i < run.entities.size(); ++i) {
        const MapEntity& entity = run.entities[i];
        if (!search.Admits(entity)) {
            continue;
        }
        const EntityPair* pair = nullptr;
        if (writer.option == ListOption::TargetName) {
            if (!search.Matches(ValueOfKey(entity, "targetname"))) {
                continue;
            }
            ++run.counters.matchCount;
        } else if (writer.option == ListOption::KeysAndValues) {
            pair = search.FirstMatchingPair(entity);
            if (pair == nullptr) {
                continue;
            }
            ++run.counters.matchCount;
        }
        writer.Write(static_cast<int>(i), pair);
    }
}

}  // namespace

void WriteEntityList(CheckerRun& run) {
    const CheckerSettings& settings = run.settings;
    const EntityListSearch search = MakeEntityListSearch(settings);
    for (std::size_t i = 0; i < run.entities.size(); ++i) {
        run.entities[i].listIndex = static_cast<int>(i);
    }
    // The lower-cased path only decides the layout; the file is opened by the path as given.
    const std::string& path = settings.findEntOutput;
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        // No report is open at this point, so the reason goes to the console; the run ends as a
        // critical error, which tells the front end that no list was made.
        const int error = errno;
        const std::string reason = "cannot open the entity list " + path + ": " + platform::SystemErrorText(error);
        std::fprintf(stderr, "quillon2: %s\n", reason.c_str());
        throw FatalRunError(reason);
    }
    run.counters.matchCount = 0;
    // An area portal's brush went to the world and is found by the portal's number in the file,
    // so every location is taken while the table is still in file order.
    std::vector<Vec3> locations;
    locations.reserve(run.entities.size());
    for (std::size_t i = 0; i < run.entities.size(); ++i) {
        locations.push_back(EntityLocation(run, static_cast<int>(i)));
    }
    SortEntityList(run, settings.findEntSortBy);

    ListWriter writer{run, file, LowerCased(path).find(".csv") != std::string::npos,
                      OptionOf(settings.findEntOption), ColumnWidths{}, std::move(locations)};
    if (writer.csv) {
        std::fputs(writer.option == ListOption::KeysAndValues ? "Index,Classname,TargetName,Key,Value,X,Y,Z\n"
                                                              : "Index,Classname,TargetName,X,Y,Z\n",
                   file);
    } else {
        writer.widths = MeasureColumns(run, search, writer.option);
        std::fprintf(file, "%s\n", TextHeader(writer.widths, writer.option).c_str());
    }
    WriteListedEntities(writer, search);
    std::fclose(file);
}

}  // namespace quillon
