// The game files the checker reads but never writes: an arbitrary file read as a pak directory
// (then searched by name) and as a .wal texture.

#include <cstddef>
#include <cstdint>
#include <string>

#include "checker/textures/PakFile.h"
#include "checker/textures/TextureTable.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillon;
    const std::string bytes(fuzz::AsText(data, size));
    ParseWalFields(bytes);

    const std::string path = fuzz::ScratchPath("pak0.pak");
    fuzz::WriteWholeFile(path, bytes);
    const std::optional<PakDirectory> pak = ReadPakDirectory(path, 0);
    if (pak) {
        const std::vector<PakDirectory> paks = {*pak};
        FindInPaks(paks, "textures/e1u1/wall1_1.wal");
        FindInPaks(paks, "PICS/Colormap.pcx");
    }
    return 0;
}
