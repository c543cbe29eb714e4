#pragma once
// A run with hand-made entities, brushes and textures, a game folder with paks and .wal files,
// and the report written to a scratch file; for the texture and sound section tests.

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "checker/run/CheckerRun.h"
#include "support/TestSupport.h"

namespace quillon::test {

inline std::string LittleEndian32(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xff);
    }
    return bytes;
}

/// A pak file whose directory lists `names`; `claimedEntries` overrides the directory length.
inline std::string MakePak(const std::vector<std::string>& names, int claimedEntries = -1) {
    const int entries = claimedEntries < 0 ? static_cast<int>(names.size()) : claimedEntries;
    std::string pak = "PACK" + LittleEndian32(12) + LittleEndian32(static_cast<std::uint32_t>(64 * entries));
    for (const std::string& name : names) {
        std::string field = name.substr(0, 56);
        field.resize(56, '\0');
        pak += field + LittleEndian32(0) + LittleEndian32(0);
    }
    return pak;
}

/// The head of a .wal file naming `nextFrame` as the next frame of its animation.
inline std::string MakeWal(const std::string& nextFrame, std::uint32_t flags = 0, std::uint32_t contents = 0,
                           std::uint32_t value = 0) {
    std::string wal(56, '\0');
    std::string frame = nextFrame;
    frame.resize(32, '\0');
    return wal + frame + LittleEndian32(flags) + LittleEndian32(contents) + LittleEndian32(value);
}

class SectionFixture {
public:
    SectionFixture() {
        run.derived.baseGameDir = dir.PathOf("quake2/baseq2/");
        run.derived.textureDir = dir.PathOf("quake2/baseq2/textures");
    }
    ~SectionFixture() { CloseReport(); }
    SectionFixture(const SectionFixture&) = delete;
    SectionFixture& operator=(const SectionFixture&) = delete;

    void WritePak(int number, const std::vector<std::string>& names) {
        dir.Write("quake2/baseq2/pak" + std::to_string(number) + ".pak", MakePak(names));
    }
    void WriteGameFile(const std::string& relative, const std::string& bytes) {
        dir.Write("quake2/baseq2/" + relative, bytes);
    }
    std::string PakPath(int number) const { return run.derived.baseGameDir + "pak" + std::to_string(number) + ".pak"; }

    /// Adds a texture record as the texture table would hold it.
    void AddTexture(const std::string& name, std::uint32_t sourceBits, const std::string& nextFrame = "") {
        TextureRecord record;
        record.name = name;
        record.sourceBits = sourceBits;
        record.nextFrame = nextFrame;
        record.source = (sourceBits & SourceDisk) != 0 ? "disk file" : "not found";
        run.textures.push_back(record);
    }

    /// Adds an entity with the given pairs (in file order).
    int AddEntity(const std::vector<std::pair<std::string, std::string>>& pairs) {
        MapEntity entity;
        for (const auto& [key, value] : pairs) {
            entity.pairs.push_back({key, value});
        }
        entity.firstBrush = static_cast<int>(run.brushes.size());
        run.entities.push_back(entity);
        return static_cast<int>(run.entities.size()) - 1;
    }

    /// Adds a brush to the last entity, with one face per texture name in side order.
    /// A non-empty `bevelTexture` adds a bevel side that carries that name.
    void AddBrush(const Vec3& mins, const Vec3& maxs, const std::vector<std::string>& faces,
                  const std::string& bevelTexture = "") {
        MapEntity& entity = run.entities.back();
        MapBrush brush;
        brush.entityNumber = static_cast<int>(run.entities.size()) - 1;
        brush.brushNumber = entity.brushCount;
        brush.mins = mins;
        brush.maxs = maxs;
        brush.firstSide = static_cast<int>(run.sides.size());
        for (const std::string& face : faces) {
            BrushSide side;
            side.textureName = face;
            run.sides.push_back(side);
        }
        if (!bevelTexture.empty()) {
            BrushSide bevel;
            bevel.bevel = true;
            bevel.textureName = bevelTexture;
            run.sides.push_back(bevel);
        }
        brush.sideCount = static_cast<int>(run.sides.size()) - brush.firstSide;
        run.brushes.push_back(brush);
        ++entity.brushCount;
    }

    void OpenReport() { run.report = std::fopen(dir.PathOf("report.txt").c_str(), "w"); }
    void CloseReport() {
        if (run.report != nullptr) {
            std::fclose(run.report);
            run.report = nullptr;
        }
    }
    std::string Report() {
        CloseReport();
        return ReadFileBytes(dir.PathOf("report.txt"));
    }

    ScratchDir dir;
    CheckerRun run;
};

}  // namespace quillon::test
