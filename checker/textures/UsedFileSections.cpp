// The used-file list's two sections: the textures the map uses and the sounds its speakers and
// trains play, each with where the game finds it.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "checker/run/CheckerRun.h"
#include "checker/map/MapEntities.h"
#include "checker/report/Report.h"
#include "checker/textures/PakFile.h"
#include "checker/textures/TextureSections.h"
#include "checker/textures/TextureTable.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace quillon {

namespace {

constexpr int SOURCE_NAME_WIDTH = 31;

/// True when the file at `path` (or the same path in other letter case) opens for reading.
bool OpensForReading(const std::string& path) {
    const std::optional<std::string> found = platform::FindFileIgnoringCase(path);
    std::error_code error;
    if (!found || std::filesystem::is_directory(*found, error)) {
        return false;  // a folder opens on some systems, but holds no sound or texture
    }
    std::FILE* file = std::fopen(found->c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

/// The pak that holds `pakName`, else "disk file" when `diskPath` opens, else "not found".
std::string SourceOf(CheckerRun& run, const std::string& pakName, const std::string& diskPath) {
    if (const std::optional<std::string> pak = PakSearch(run, pakName)) {
        return *pak;
    }
    return OpensForReading(diskPath) ? "disk file" : "not found";
}

/// A sound path as the disk spells it: the game accepts either slash inside "noise".
std::string SoundDiskPath(const CheckerRun& run, const std::string& noise) {
    std::string relative = noise;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return run.derived.baseGameDir + "sound/" + relative;
}

void PrintPlace(const CheckerRun& run, std::FILE* list, const MapEntity& entity, const std::string& className) {
    if (!ValueOfKey(entity, "origin").empty()) {
        const Vec3 origin = VectorOfKey(entity, "origin");
        std::fprintf(list, "\t%s at (%g %g %g)\n", className.c_str(), static_cast<double>(origin[0]),
                     static_cast<double>(origin[1]), static_cast<double>(origin[2]));
        return;
    }
    Vec3 mins{};
    Vec3 maxs{};
    ResetBox(mins, maxs);
    for (int b = 0; b < entity.brushCount; ++b) {
        const std::size_t index = static_cast<std::size_t>(entity.firstBrush + b);
        if (index < run.brushes.size()) {
            ExtendBox(run.brushes[index].mins, mins, maxs);
            ExtendBox(run.brushes[index].maxs, mins, maxs);
        }
    }
    std::fprintf(list, "\t%s bounding box: ( %g %g %g ) to ( %g %g %g )\n", className.c_str(),
                 static_cast<double>(mins[0]), static_cast<double>(mins[1]), static_cast<double>(mins[2]),
                 static_cast<double>(maxs[0]), static_cast<double>(maxs[1]), static_cast<double>(maxs[2]));
}

}  // namespace

void WriteUsedTextures(CheckerRun& run, std::FILE* list) {
    if (run.textures.empty()) {
        return;
    }
    std::fprintf(list, "\n============================= TEXTURES USED =============================\n");
    SortTexturesByName(run);
    for (const TextureRecord& texture : run.textures) {
        if (texture.name.empty()) {
            continue;
        }
        const std::string source = SourceOf(run, "textures/" + texture.name + ".wal",
                                            run.derived.textureDir + "/" + texture.name + ".wal");
        std::fprintf(list, "%s %s\n", PadField(SOURCE_NAME_WIDTH, texture.name).c_str(), source.c_str());
    }
}

void WriteSoundSources(CheckerRun& run, std::FILE* list) {
    std::fprintf(list, "\n========= TARGET_SPEAKER/FUNC_TRAIN LOCATIONS AND .WAV SOURCE =========\n");
    // Entities with equal sounds keep their map order.
    std::stable_sort(run.entities.begin(), run.entities.end(), [](const MapEntity& a, const MapEntity& b) {
        return LowerCased(ValueOfKey(a, "noise")) < LowerCased(ValueOfKey(b, "noise"));
    });
    int listed = 0;
    std::string previousNoise;
    for (const MapEntity& entity : run.entities) {
        const std::string& className = ValueOfKey(entity, "classname");
        const std::string& noise = ValueOfKey(entity, "noise");
        if ((className != "target_speaker" && className != "func_train") || noise.empty()) {
            continue;
        }
        ++listed;
        if (noise != previousNoise) {
            const std::string source = SourceOf(run, "sound/" + noise, SoundDiskPath(run, noise));
            std::fprintf(list, "\n%s %s\n", PadField(SOURCE_NAME_WIDTH, noise).c_str(), source.c_str());
            previousNoise = noise;
        }
        PrintPlace(run, list, entity, className);
    }
    if (listed == 0) {
        std::fprintf(list, "No .wav's\n");
    }
}

}  // namespace quillon
