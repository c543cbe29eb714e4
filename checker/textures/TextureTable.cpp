#include "checker/textures/TextureTable.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "checker/run/CheckerRun.h"
#include "checker/run/FatalError.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace quillon {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::uint32_t LittleEndian32(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    }
    return value;
}

enum class WalRead { Missing, Short, Read };

/// Reads the head of a .wal file; the pixels that follow are of no use here.
WalRead ReadWalHead(const std::string& path, std::string& head) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return WalRead::Missing;
    }
    head.assign(WAL_HEADER_SIZE, '\0');
    const std::size_t got = std::fread(head.data(), 1, WAL_HEADER_SIZE, file.get());
    if (got == 0 && std::ferror(file.get()) != 0) {
        return WalRead::Missing;  // not a readable file (a folder, say)
    }
    head.resize(got);
    return got < WAL_HEADER_SIZE ? WalRead::Short : WalRead::Read;
}

/// The index of the name in the table, keeping the name index in step with the table (a section
/// may have sorted the table since the index was built).
std::optional<int> LookUpTexture(CheckerRun& run, const std::string& lowerName) {
    if (run.textureIndex.size() != run.textures.size()) {
        run.textureIndex.clear();
        for (std::size_t i = 0; i < run.textures.size(); ++i) {
            run.textureIndex.emplace(LowerCased(run.textures[i].name), static_cast<int>(i));
        }
    }
    const auto found = run.textureIndex.find(lowerName);
    if (found == run.textureIndex.end()) {
        return std::nullopt;
    }
    if (!SameTextureName(run.textures[static_cast<std::size_t>(found->second)].name, lowerName)) {
        run.textureIndex.clear();
        return LookUpTexture(run, lowerName);
    }
    return found->second;
}

TextureRecord MakeRecord(const std::string& textureDir, const std::string& name) {
    TextureRecord record;
    record.name = name;
    record.source = "not found";
    const std::optional<std::string> path = FindTextureFile(textureDir, name);
    std::string head;
    const WalRead read = path ? ReadWalHead(*path, head) : WalRead::Missing;
    if (read == WalRead::Missing) {
        return record;
    }
    record.sourceBits = SourceDisk;
    record.source = "disk file";
    if (read == WalRead::Short) {
        std::fprintf(stderr, "quillon2: %s is too short to be a texture; its flags are taken as 0.\n",
                     path->c_str());
        return record;
    }
    const WalFields fields = *ParseWalFields(head);
    record.surfaceFlags = fields.surfaceFlags;
    record.contents = fields.contents;
    record.value = fields.value;
    record.nextFrame = fields.nextFrame;
    return record;
}

int AppendTexture(CheckerRun& run, const std::string& name) {
    if (run.textures.size() >= static_cast<std::size_t>(MAX_MAP_TEXTURES)) {
        FatalError(run, "MAX_MAP_TEXTURES (%d) - Your map contains too many unique textures.\n", MAX_MAP_TEXTURES);
    }
    const int index = static_cast<int>(run.textures.size());
    run.textures.push_back(MakeRecord(run.derived.textureDir, name));
    run.textureIndex.emplace(LowerCased(name), index);
    return index;
}

}  // namespace

std::optional<WalFields> ParseWalFields(const std::string& bytes) {
    if (bytes.size() < WAL_HEADER_SIZE) {
        return std::nullopt;
    }
    WalFields fields;
    fields.surfaceFlags = LittleEndian32(bytes, WAL_FLAGS_OFFSET);
    fields.contents = LittleEndian32(bytes, WAL_CONTENTS_OFFSET);
    fields.value = LittleEndian32(bytes, WAL_VALUE_OFFSET);
    const char* frame = bytes.data() + WAL_NEXT_FRAME_OFFSET;
    const void* nul = std::memchr(frame, 0, WAL_NEXT_FRAME_SIZE);
    const std::size_t length =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - frame) : WAL_NEXT_FRAME_SIZE;
    fields.nextFrame.assign(frame, length);
    return fields;
}

std::optional<std::string> FindTextureFile(const std::string& textureDir, const std::string& name) {
    return platform::FindFileIgnoringCase(textureDir + "/" + name + ".wal");
}

int FindOrAddTexture(CheckerRun& run, const std::string& name) {
    // Names are unique in the table up to case, so a match by name is the one entry there is.
    const int last = run.lastTexture;
    if (last >= 0 && last < static_cast<int>(run.textures.size()) &&
        SameTextureName(run.textures[static_cast<std::size_t>(last)].name, name)) {
        return last;
    }
    if (const std::optional<int> found = LookUpTexture(run, LowerCased(name))) {
        run.lastTexture = *found;
        return *found;
    }
    const int first = AppendTexture(run, name);
    run.lastTexture = first;
    // The frames of an animation follow their first frame; a loop ends at the first name present.
    std::string next = run.textures[static_cast<std::size_t>(first)].nextFrame;
    while (!next.empty() && !LookUpTexture(run, LowerCased(next))) {
        const int added = AppendTexture(run, next);
        next = run.textures[static_cast<std::size_t>(added)].nextFrame;
    }
    return first;
}

bool SameTextureName(const std::string& a, const std::string& b) {
    return EqualsIgnoringCase(a, b);
}

}  // namespace quillon
