#include "fuzz/GameFolder.h"

#include <cstdint>
#include <filesystem>

#include "checker/textures/PakFile.h"
#include "checker/textures/TextureTable.h"
#include "fuzz/FuzzSupport.h"

namespace quillon::fuzz {

namespace {

void AppendLittleEndian(std::string& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace

std::string WalBytes(const std::string& nextFrame) {
    std::string bytes(WAL_HEADER_SIZE, '\0');
    bytes.replace(WAL_NEXT_FRAME_OFFSET, nextFrame.size(), nextFrame);
    bytes[WAL_FLAGS_OFFSET] = 1;
    return bytes;
}

std::string PakBytes(const std::initializer_list<const char*>& names) {
    std::string bytes = "PACK";
    AppendLittleEndian(bytes, PAK_HEADER_SIZE);
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(PAK_ENTRY_SIZE * names.size()));
    for (const char* name : names) {
        std::string entry(PAK_NAME_SIZE, '\0');
        entry.replace(0, std::string(name).size(), name);
        bytes += entry;
        AppendLittleEndian(bytes, 0);
        AppendLittleEndian(bytes, 0);
    }
    return bytes;
}

const std::string& GameFolder() {
    static const std::string folder = [] {
        const std::string game = ScratchPath("game");
        const std::string textures = game + "/quake2/baseq2/textures";
        std::filesystem::create_directories(textures + "/e1u1");
        WriteWholeFile(textures + "/e1u1/wall1_1.wal", WalBytes(""));
        WriteWholeFile(textures + "/e1u1/+0slime.wal", WalBytes("e1u1/+1slime"));
        WriteWholeFile(textures + "/e1u1/+1slime.wal", WalBytes("e1u1/+0SLIME"));
        WriteWholeFile(textures + "/e1u1/short.wal", "short");
        WriteWholeFile(game + "/quake2/baseq2/pak0.pak",
                       PakBytes({"textures/e1u1/floor1_3.wal", "textures/e1u1/wall1_1.wal", "sound/world/amb1.wav"}));
        return game;
    }();
    return folder;
}

}  // namespace quillon::fuzz
