#include "checker/lists/UsedFileList.h"

#include "checker/textures/TextureSections.h"

namespace quillon {

void WriteUsedFileList(CheckerRun& run, std::FILE* list) {
    // The textures first (their heading only when the map uses any), then the sounds, always;
    // nothing else: no summary, no count, no closing line.
    WriteUsedTextures(run, list);
    WriteSoundSources(run, list);
}

}  // namespace quillon
