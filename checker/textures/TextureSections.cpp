#include "checker/textures/TextureSections.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "checker/run/CheckerRun.h"
#include "checker/report/Report.h"
#include "checker/textures/PakFile.h"
#include "checker/textures/TextureTable.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace quillon {

namespace {

constexpr int LOCATION_NAME_WIDTH = 24;

std::string PakPath(const std::string& baseGameDir, int number) {
    return baseGameDir + "pak" + std::to_string(number) + ".pak";
}

/// Pak `number` of the game directory, or none when it is missing, short or foreign.
std::optional<PakDirectory> OpenPak(const CheckerRun& run, int number) {
    const std::string path = PakPath(run.derived.baseGameDir, number);
    const std::optional<std::string> file = platform::FindFileIgnoringCase(path);
    if (!file) {
        return std::nullopt;
    }
    std::optional<PakDirectory> pak = ReadPakDirectory(*file, number);
    if (pak) {
        pak->path = path;  // the report names the pak as the game directory spells it
    }
    return pak;
}

/// The bounding boxes of the brushes as the texture sections print them, each formatted once: a
/// brush is listed under every missing texture it uses, and formatting the numbers was half the
/// cost of those sections.
class BrushBoxTexts {
public:
    explicit BrushBoxTexts(const CheckerRun& run) : texts(run.brushes.size()) {}

    const std::string& Of(const CheckerRun& run, const MapBrush& brush) {
        std::string& text = texts[static_cast<std::size_t>(&brush - run.brushes.data())];
        if (text.empty()) {
            text = "( ";
            for (const Vec3* corner : {&brush.mins, &brush.maxs}) {
                for (const float coordinate : *corner) {
                    AppendG(text, static_cast<double>(coordinate));
                    text += ' ';
                }
                text += corner == &brush.mins ? ") to ( " : ")";
            }
        }
        return text;
    }

    std::string line;  ///< the line being put together, kept for its storage

private:
    std::vector<std::string> texts;
};

void PrintBrushLine(CheckerRun& run, BrushBoxTexts& boxes, int entityNumber, int brushNumber, const MapBrush& brush,
                    const char* suffix) {
    // "\tentity %i, brush %i, bounding box: %s%s\n", put together here: these lines can number
    // hundreds of thousands.
    std::string& line = boxes.line;
    line = "\tentity ";
    line += std::to_string(entityNumber);
    line += ", brush ";
    line += std::to_string(brushNumber);
    line += ", bounding box: ";
    line += boxes.Of(run, brush);
    line += suffix;
    line += '\n';
    ReportWrite(run, line);
}

/// What a brush's faces say about one texture.
enum class FaceUse { None, Direct, Animation };

/// The texture record of each side, looked up once by name: the sections ask every brush about
/// every texture, and comparing names there cost textures times sides. -1 when not found.
std::vector<int> SideTextures(const CheckerRun& run) {
    std::vector<int> textures(run.sides.size(), -1);
    for (std::size_t s = 0; s < run.sides.size(); ++s) {
        const auto found = run.textureIndex.find(LowerCased(run.sides[s].textureName));
        if (found != run.textureIndex.end()) {
            textures[s] = found->second;
        }
    }
    return textures;
}

/// True when side `s` uses texture `t`; names in the table differ without regard to case.
bool SideUses(const CheckerRun& run, const std::vector<int>& sideTextures, std::size_t s, std::size_t t) {
    const int used = sideTextures[s];
    return used >= 0 ? static_cast<std::size_t>(used) == t
                     : SameTextureName(run.sides[s].textureName, run.textures[t].name);
}

/// Decided by the first face, in stored side order, that uses the texture or an earlier frame.
FaceUse BrushUse(const CheckerRun& run, const MapBrush& brush, std::size_t texture,
                 const std::vector<std::size_t>& earlierFrames, const std::vector<int>& sideTextures) {
    for (int s = 0; s < brush.sideCount; ++s) {
        const std::size_t side = static_cast<std::size_t>(brush.firstSide + s);
        if (run.sides[side].bevel) {
            continue;
        }
        if (SideUses(run, sideTextures, side, texture)) {
            return FaceUse::Direct;
        }
        for (const std::size_t frame : earlierFrames) {
            if (SideUses(run, sideTextures, side, frame)) {
                return FaceUse::Animation;
            }
        }
    }
    return FaceUse::None;
}

/// The frames that lead up to texture `index`: the records just before it in the table, as long
/// as each one names the record after it as its next frame.
std::vector<std::size_t> EarlierFrames(const CheckerRun& run, std::size_t index) {
    std::vector<std::size_t> frames;
    for (std::size_t j = index; j > 0; --j) {
        const TextureRecord& before = run.textures[j - 1];
        if (before.nextFrame.empty() || !SameTextureName(before.nextFrame, run.textures[j].name)) {
            break;
        }
        frames.push_back(j - 1);
    }
    return frames;
}

/// A brush as the sections list it: in map order, named by its entity and its number there.
struct BrushVisit {
    int entityNumber;
    int brushNumber;
    std::size_t brush;
};

/// The brushes in map order and, for each texture, the brushes with a face of it. A section then
/// asks only those brushes about a texture, rather than every brush about every texture.
class TextureUsers {
public:
    TextureUsers(const CheckerRun& run, const std::vector<int>& sideTextures) : byTexture(run.textures.size()) {
        for (std::size_t e = 0; e < run.entities.size(); ++e) {
            const MapEntity& entity = run.entities[e];
            for (int b = 0; b < entity.brushCount; ++b) {
                const std::size_t index = static_cast<std::size_t>(entity.firstBrush + b);
                if (index < run.brushes.size()) {
                    visits.push_back({static_cast<int>(e), b, index});
                }
            }
        }
        for (std::size_t v = 0; v < visits.size(); ++v) {
            const MapBrush& brush = run.brushes[visits[v].brush];
            for (int s = 0; s < brush.sideCount; ++s) {
                const std::size_t side = static_cast<std::size_t>(brush.firstSide + s);
                if (run.sides[side].bevel) {
                    continue;
                }
                const int texture = sideTextures[side];
                // A face whose name is not in the index may match any texture by name.
                std::vector<std::size_t>& users =
                    texture >= 0 ? byTexture[static_cast<std::size_t>(texture)] : unindexed;
                if (users.empty() || users.back() != v) {
                    users.push_back(v);
                }
            }
        }
    }

    /// The brushes, in map order, that may have a face of `texture` or of one of `frames`.
    std::vector<BrushVisit> Of(std::size_t texture, const std::vector<std::size_t>& frames) const {
        std::vector<std::size_t> positions = byTexture[texture];
        for (const std::size_t frame : frames) {
            positions.insert(positions.end(), byTexture[frame].begin(), byTexture[frame].end());
        }
        positions.insert(positions.end(), unindexed.begin(), unindexed.end());
        if (!frames.empty() || !unindexed.empty()) {
            std::sort(positions.begin(), positions.end());
            positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
        }
        std::vector<BrushVisit> result;
        result.reserve(positions.size());
        for (const std::size_t v : positions) {
            result.push_back(visits[v]);
        }
        return result;
    }

private:
    std::vector<BrushVisit> visits;
    std::vector<std::vector<std::size_t>> byTexture;
    std::vector<std::size_t> unindexed;
};

/// What both brush listings read, made once for the two: each side's texture record, the brushes
/// of each texture, and the brushes' boxes as text.
struct BrushListing {
    explicit BrushListing(const CheckerRun& run) : sideTextures(SideTextures(run)), users(run, sideTextures), boxes(run) {}

    std::vector<int> sideTextures;
    TextureUsers users;
    BrushBoxTexts boxes;
};

void WriteMissingTextures(CheckerRun& run, BrushListing& listing) {
    ReportPrint(run, "\n========================== Missing Textures ==========================\n"
                     "      These textures cannot be found either in a pakfile or on disk.\n\n");
    for (std::size_t t = 0; t < run.textures.size(); ++t) {
        if (run.textures[t].sourceBits != 0) {
            continue;
        }
        ++run.counters.missingTextures;
        run.missingTextureNames.push_back(run.textures[t].name);
        ReportPrint(run, "%s\n", run.textures[t].name.c_str());
        const std::vector<std::size_t> frames = EarlierFrames(run, t);
        for (const BrushVisit& visit : listing.users.Of(t, frames)) {
            const MapBrush& brush = run.brushes[visit.brush];
            const FaceUse use = BrushUse(run, brush, t, frames, listing.sideTextures);
            if (use != FaceUse::None) {
                const char* suffix = use == FaceUse::Animation ? " (animation)" : "";
                PrintBrushLine(run, listing.boxes, visit.entityNumber, visit.brushNumber, brush, suffix);
            }
        }
    }
    if (run.counters.missingTextures == 0) {
        ReportPrint(run, "NONE\n");
    }
}

void WriteUnextractedTextures(CheckerRun& run, BrushListing& listing) {
    ReportPrint(run, "\n======================== Unextracted Textures ========================\n"
                     "     These textures are present in a pakfile, but are unextracted.\n"
                     "                 Compiling errors will probably result.\n\n");
    const std::vector<std::size_t> noFrames;
    for (std::size_t t = 0; t < run.textures.size(); ++t) {
        const TextureRecord& texture = run.textures[t];
        if ((texture.sourceBits & SourceDisk) != 0 || (texture.sourceBits & (SourcePak0 | SourceOtherPak)) == 0) {
            continue;
        }
        bool named = false;
        for (const BrushVisit& visit : listing.users.Of(t, noFrames)) {
            const MapBrush& brush = run.brushes[visit.brush];
            if (BrushUse(run, brush, t, noFrames, listing.sideTextures) == FaceUse::None) {
                continue;
            }
            if (!named) {
                ReportPrint(run, "%s\n", texture.name.c_str());
                ++run.counters.unextractedTextures;
                named = true;
            }
            PrintBrushLine(run, listing.boxes, visit.entityNumber, visit.brushNumber, brush, "");
        }
    }
    if (run.counters.unextractedTextures == 0) {
        ReportPrint(run, "NONE\n");
    }
}

void WriteTextureLocations(CheckerRun& run) {
    SortTexturesByName(run);
    const std::string& base = run.derived.baseGameDir;
    const auto inPak0 = std::count_if(run.textures.begin(), run.textures.end(),
                                      [](const TextureRecord& t) { return (t.sourceBits & SourcePak0) != 0; });
    ReportPrint(run, "\n========================== Texture Locations =========================\n\n");
    if (inPak0 == 0) {
        ReportPrint(run, "None of the textures were found in %spak0.pak\n\n", base.c_str());
    } else if (static_cast<std::size_t>(inPak0) == run.textures.size()) {
        ReportPrint(run, "All textures have been found in %spak0.pak\n", base.c_str());
    } else {
        ReportPrint(run, "All textures have been found in %spak0.pak,\nexcept the following:\n\n", base.c_str());
    }
    bool otherPak = false;
    for (const TextureRecord& texture : run.textures) {
        otherPak = otherPak || (texture.sourceBits & SourceOtherPak) != 0;
        if ((texture.sourceBits & SourcePak0) == 0) {
            ReportPrint(run, "%-24s %s\n", PadField(LOCATION_NAME_WIDTH, texture.name).c_str(),
                        texture.source.c_str());
        }
    }
    if (otherPak) {
        ReportPrint(run, "\nNOTE: End users may not have Quake2 pak files OTHER than\n"
                         "      pak0.pak, since these files were distributed after\n"
                         "      the initial release of Quake2.\n");
    }
}

}  // namespace

void SortTexturesByName(CheckerRun& run) {
    std::stable_sort(run.textures.begin(), run.textures.end(), [](const TextureRecord& a, const TextureRecord& b) {
        return LowerCased(a.name) < LowerCased(b.name);
    });
    // The index by name follows the records to their new places.
    run.textureIndex.clear();
    for (std::size_t i = 0; i < run.textures.size(); ++i) {
        run.textureIndex[LowerCased(run.textures[i].name)] = static_cast<int>(i);
    }
}

void ScanPakFiles(CheckerRun& run) {
    std::size_t remaining = run.textures.size();
    // Each pak is read once; the scan stops as soon as every texture has been placed.
    for (int number = 0; number < MAX_PAK_FILES && remaining > 0; ++number) {
        const std::optional<PakDirectory> pak = OpenPak(run, number);
        if (!pak) {
            continue;
        }
        for (TextureRecord& texture : run.textures) {
            if ((texture.sourceBits & (SourcePak0 | SourceOtherPak)) != 0 ||
                !pak->Contains("textures/" + texture.name + ".wal")) {
                continue;
            }
            texture.sourceBits |= number == 0 ? SourcePak0 : SourceOtherPak;
            texture.source = pak->path;
            --remaining;
        }
    }
}

void WriteTextureSections(CheckerRun& run) {
    if (run.settings.findBadWals != 0) {
        BrushListing listing(run);
        WriteMissingTextures(run, listing);
        WriteUnextractedTextures(run, listing);
    }
    if (!run.textures.empty()) {
        WriteTextureLocations(run);
    }
}

}  // namespace quillon
