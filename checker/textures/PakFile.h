#pragma once
// The game's pak archives: each pak's directory is read once and indexed for name searches.

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace quillon {

struct CheckerRun;

inline constexpr int MAX_PAK_FILES = 10;  ///< pak0.pak to pak9.pak
inline constexpr int PAK_HEADER_SIZE = 12;
inline constexpr int PAK_ENTRY_SIZE = 64;
inline constexpr int PAK_NAME_SIZE = 56;

/// The directory of one pak file: the names it holds, for searches without regard to case.
struct PakDirectory {
    int number = 0;        ///< n of "pak%d.pak"
    std::string path;      ///< BaseGameDir + "pak%d.pak": the text the report prints
    std::string filePath;  ///< the file actually opened (its case may differ on disk)
    std::unordered_set<std::string> lowerNames;  ///< every entry name, lower-cased
    std::string damage;    ///< why part of the directory was unusable; empty for a sound pak

    /// True when the pak holds `name` (compared without regard to case).
    bool Contains(const std::string& name) const;
};

/// Reads the directory of the pak at `filePath`. None when the file is missing, shorter than
/// the header or does not begin with "PACK". A directory reaching past the end of the file keeps
/// the entries that lie inside it and notes the damage.
std::optional<PakDirectory> ReadPakDirectory(const std::string& filePath, int number);

/// The paks 0 to 9 of `baseGameDir` that can be read, in number order.
std::vector<PakDirectory> LoadPakFiles(const std::string& baseGameDir);

/// The first pak of `paks` that holds `name` (without regard to case), or null.
const PakDirectory* FindInPaks(const std::vector<PakDirectory>& paks, const std::string& name);

/// The run's paks, read from BaseGameDir on first use (a damaged pak is named once on stderr).
const std::vector<PakDirectory>& PakFilesOf(CheckerRun& run);

/// The printed path of the first of the run's paks that holds `name`, or none.
std::optional<std::string> PakSearch(CheckerRun& run, const std::string& name);

}  // namespace quillon
