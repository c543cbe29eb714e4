#pragma once
// Reading the map's entities and looking at their keys.

#include <string>

#include "checker/map/MapTypes.h"

namespace quillon {

struct CheckerRun;

/// Starts the tokenizer on the map file and reads every entity into the run's tables.
void ReadMapFile(CheckerRun& run, const std::string& mapPath);
/// Reads one entity; false at the end of the map file.
bool ParseEntity(CheckerRun& run);
/// Reads one key/value pair whose key is the current token.
EntityPair ParseEpar(CheckerRun& run);

/// The value of the pair with that key (the pair read last wins), or an empty text.
const std::string& ValueOfKey(const MapEntity& entity, const std::string& key);
void SetValueOfKey(MapEntity& entity, const std::string& key, const std::string& value);
/// Three numbers read from the key's value; numbers not read are 0.
Vec3 VectorOfKey(const MapEntity& entity, const std::string& key);
/// The decimal integer at the start of the key's value, 0 when there is none.
int IntegerOfKey(const MapEntity& entity, const std::string& key);

/// Gives all brushes of the entity just read to entity 0.
void MergeBrushesIntoWorld(CheckerRun& run, int entityNumber);

}  // namespace quillon
