#pragma once
// A small game folder for the targets that look textures up: quake2/baseq2 with loose .wal files,
// an animation chain and a pak0.pak, made once per process in its scratch folder.

#include <string>

namespace quillon::fuzz {

/// The folder that holds "quake2/baseq2/"; made on first use.
const std::string& GameFolder();

/// The bytes of a .wal file whose next frame is `nextFrame`.
std::string WalBytes(const std::string& nextFrame);

/// The bytes of a pak holding empty entries of the given names.
std::string PakBytes(const std::initializer_list<const char*>& names);

}  // namespace quillon::fuzz
