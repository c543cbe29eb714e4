#pragma once
// Scanning the pak files and the report's texture sections.

namespace quillon {

struct CheckerRun;

/// Finds each texture of the table in the pak files 0 to 9.
void ScanPakFiles(CheckerRun& run);
/// "Missing Textures", "Unextracted Textures" and "Texture Locations", as the settings ask.
void WriteTextureSections(CheckerRun& run);

}  // namespace quillon
