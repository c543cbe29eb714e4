#include "frontend/core/OverflowRules.h"

#include <cctype>
#include <optional>
#include <string>

#include "entitydb/DatabaseText.h"
#include "platform/Text.h"

namespace quillon {

namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view Cut(std::string_view text, std::size_t limit) {
    return text.substr(0, std::min(text.size(), limit));
}

/// The arguments of one rule line, read from left to right.
class RuleArguments {
public:
    explicit RuleArguments(std::string_view arguments) : text(arguments) {}

    std::int32_t Integer() {
        std::size_t consumed = 0;
        const std::int32_t value = LeadingInteger(text.substr(at), &consumed);
        at += consumed;
        return value;
    }

    /// The next word; with `quotedAllowed`, a name in double quotes may hold blanks and keeps
    /// its quotes.
    std::string_view Name(bool quotedAllowed = false) {
        while (at < text.size() && IsBlank(text[at])) {
            ++at;
        }
        const std::size_t start = at;
        if (quotedAllowed && at < text.size() && text[at] == '"') {
            const std::size_t closing = text.find('"', at + 1);
            at = closing == std::string_view::npos ? text.size() : closing + 1;
        } else {
            while (at < text.size() && !IsBlank(text[at])) {
                ++at;
            }
        }
        return text.substr(start, at - start);
    }

private:
    std::string_view text;
    std::size_t at = 0;
};

/// The class that SPAWN or NEEDS names: "@ITEM" and "@TARGET" stand for the entity's values.
std::string_view ReferencedClass(const OverflowEntity& entity, std::string_view word) {
    if (word == "@ITEM") {
        return entity.item;
    }
    if (word == "@TARGET") {
        return entity.target;
    }
    return word;
}

/// What a LOAD word counts: the word itself, or for "@key" the entity's value of that key.
std::string_view LoadedName(const OverflowEntity& entity, std::string_view word) {
    if (word.empty() || word.front() != '@') {
        return word;
    }
    const std::string_view key = word.substr(1);
    if (EqualsIgnoringCase(key, "message")) {
        return entity.message;
    }
    if (EqualsIgnoringCase(key, "noise")) {
        return entity.noise;
    }
    // The pair read last wins, as it does in the game.
    for (auto further = entity.furtherKeys.rbegin(); further != entity.furtherKeys.rend(); ++further) {
        if (EqualsIgnoringCase(further->key, key)) {
            return further->value;
        }
    }
    return {};
}

void SpawnEntity(OverflowAnalysis& analysis, std::string_view className, std::int32_t spawnflags) {
    if (className.empty()) {
        return;
    }
    OverflowEntity spawned;
    spawned.classname = Cut(className, MAX_OVERFLOW_TEXT);
    spawned.spawnflags = spawnflags;
    AppendOverflowEntity(analysis, std::move(spawned));
}

/// The sound rules that compare one of the entity's sound keys with the rule's number.
std::optional<std::int32_t> SoundKeyOf(const OverflowEntity& entity, DatabaseKeyword keyword) {
    switch (keyword) {
    case DatabaseKeyword::LockSndEq:
        return entity.lockedSound;
    case DatabaseKeyword::MoveSndEq:
        return entity.moveSound;
    case DatabaseKeyword::StopSndEq:
        return entity.stopSound;
    case DatabaseKeyword::UnlkSndEq:
        return entity.unlockedSound;
    default:
        return std::nullopt;
    }
}

void ApplyCountingRule(OverflowAnalysis& analysis, const OverflowEntity& entity, DatabaseKeyword keyword,
                       RuleArguments& arguments) {
    const std::int32_t number = arguments.Integer();
    const std::string_view name = arguments.Name();
    bool applies = false;
    switch (keyword) {
    case DatabaseKeyword::SfAnd:
        applies = (entity.spawnflags & number) != 0;
        break;
    case DatabaseKeyword::SfNot:
        applies = (entity.spawnflags & number) == 0;
        break;
    case DatabaseKeyword::SoundEq:
        applies = entity.sounds == number;
        break;
    case DatabaseKeyword::SoundNeq:
        applies = entity.sounds != number;
        break;
    case DatabaseKeyword::TalkWav:
        applies = number != 0 && !entity.targetname.empty() && !entity.message.empty();
        break;
    default:
        break;
    }
    if (applies) {
        CountName(analysis, entity.spawnflags, name);
    }
}

}  // namespace

void AddResource(OverflowAnalysis& analysis, ResourceKind kind, std::int32_t mask, std::string_view name) {
    const std::string_view kept = Cut(name, MAX_OVERFLOW_TEXT);
    const std::string key = kind == ResourceKind::Image ? LowerCased(kept) : std::string(kept);
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        if (!PresentInLevel(mask, level)) {
            continue;
        }
        ResourceList& list = analysis.resources[static_cast<std::size_t>(kind)][static_cast<std::size_t>(level)];
        if (list.keys.count(key) != 0) {
            continue;
        }
        if (list.names.size() >= analysis.NameRoom(kind)) {
            analysis.resourceListFull = true;
            continue;
        }
        list.keys.insert(key);
        list.names.emplace_back(kept);
    }
}

void CountName(OverflowAnalysis& analysis, std::int32_t mask, std::string_view name) {
    const std::string lower = LowerCased(name);
    if (lower.find(".md2") != std::string::npos) {
        AddResource(analysis, ResourceKind::Model, mask, name);
    } else if (lower.find(".wav") != std::string::npos) {
        AddResource(analysis, ResourceKind::Sound, mask, name);
    } else if (lower.find(".pcx") != std::string::npos) {
        // Menu pictures are loaded by the client, not by the level.
        if (lower.rfind("pics/", 0) == 0 && lower.rfind("pics/m_", 0) != 0) {
            AddResource(analysis, ResourceKind::Image, mask, name);
        }
    } else if (lower.find('"') != std::string::npos) {
        AddResource(analysis, ResourceKind::Sound, mask, name);
    }
}

const EntityClassDef* FindOverflowClass(const EntityClassTable& table, std::string_view name) {
    for (const EntityClassDef& definition : table.classes) {
        if (!definition.className.empty() && EqualsIgnoringCase(definition.className, name)) {
            return &definition;
        }
    }
    return nullptr;
}

std::vector<std::string_view> ClassBlockLines(const EntityClassTable& table, const EntityClassDef& definition) {
    const std::string& text = definition.fromSelectedDatabase ? table.selectedText : table.baseText;
    return BlockLines(text, definition.definitionOffset);
}

void ApplyEntityRules(OverflowAnalysis& analysis, std::size_t index, const std::vector<std::string_view>& blockLines) {
    for (const std::string_view line : blockLines) {
        const KeywordLine split = SplitKeywordLine(line);
        const std::optional<DatabaseKeyword> keyword = MatchDatabaseKeyword(split.keyword);
        if (!keyword || IsAttributeKeyword(*keyword) || *keyword == DatabaseKeyword::Load) {
            continue;
        }
        // Spawning appends to the table, so the entity is looked up again for every line.
        const OverflowEntity& entity = analysis.entities[index];
        RuleArguments arguments(split.arguments);
        if (*keyword == DatabaseKeyword::HasNoise) {
            if (!entity.noise.empty()) {
                AddResource(analysis, ResourceKind::Sound, entity.spawnflags, "sound/" + entity.noise);
            }
        } else if (const std::optional<std::int32_t> soundKey = SoundKeyOf(entity, *keyword)) {
            const std::int32_t number = arguments.Integer();
            const std::string_view name = arguments.Name(true);
            if (*soundKey == number && !name.empty()) {
                AddResource(analysis, ResourceKind::Sound, entity.spawnflags, name);
            }
        } else if (*keyword == DatabaseKeyword::SpawnObj) {
            const std::int32_t number = arguments.Integer();
            const std::string_view className = arguments.Name();
            if (entity.spawnObject == number) {
                SpawnEntity(analysis, className, entity.spawnflags);
            }
        } else if (*keyword == DatabaseKeyword::Spawn) {
            const std::string className(ReferencedClass(entity, arguments.Name()));
            SpawnEntity(analysis, className, entity.spawnflags);
        } else if (*keyword == DatabaseKeyword::Needs) {
            // A class may need several others (a flag game needs all four techs): none is dropped,
            // and a reference to an absent value names nothing.
            OverflowEntity& needing = analysis.entities[index];
            const std::string_view needed = ReferencedClass(needing, arguments.Name());
            if (!needed.empty()) {
                needing.needs.emplace_back(Cut(needed, MAX_OVERFLOW_TEXT));
            }
        } else {
            ApplyCountingRule(analysis, entity, *keyword, arguments);
        }
    }
}

void ApplyLoadRules(OverflowAnalysis& analysis, std::size_t index, const std::vector<std::string_view>& blockLines) {
    const OverflowEntity& entity = analysis.entities[index];
    for (const std::string_view line : blockLines) {
        const KeywordLine split = SplitKeywordLine(line);
        if (MatchDatabaseKeyword(split.keyword) != DatabaseKeyword::Load) {
            continue;
        }
        RuleArguments arguments(split.arguments);
        const std::string_view name = LoadedName(entity, arguments.Name());
        if (!name.empty()) {
            CountName(analysis, entity.spawnflags, name);
        }
    }
}

}  // namespace quillon
