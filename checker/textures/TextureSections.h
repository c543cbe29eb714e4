#pragma once
// Scanning the pak files, the report's texture sections and the used-file list's two sections.

#include <cstdio>

namespace quillon {

struct CheckerRun;

/// Finds each texture of the table in the pak files 0 to 9.
void ScanPakFiles(CheckerRun& run);
/// "Missing Textures", "Unextracted Textures" and "Texture Locations", as the settings ask.
void WriteTextureSections(CheckerRun& run);

/// Orders the texture table by name without regard to case (the index by name follows).
void SortTexturesByName(CheckerRun& run);

/// "TEXTURES USED": every texture of the table by name with where the game finds it.
/// Nothing when the map uses no texture. Sorts the texture table by name.
void WriteUsedTextures(CheckerRun& run, std::FILE* list);
/// The sound files of target_speaker and func_train entities, grouped by "noise", with where
/// each is found and where the entities stand. Sorts the entity table by "noise".
void WriteSoundSources(CheckerRun& run, std::FILE* list);

}  // namespace quillon
