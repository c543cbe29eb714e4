// Writes a map at the format's limits to standard output: 2048 entities whose link keys all name
// other entities, 8192 brushes of eight sides each (65536 sides) with 48 textures, some brushes in
// brush entities. Used by bench/run_all.sh.  Run: MaximumMap > maximum.map

#include <cstdio>
#include <string>

namespace {

constexpr int MAX_ENTITIES = 2048;
constexpr int MAX_BRUSHES = 8192;
constexpr int BRUSH_ENTITIES = 256;
constexpr int BRUSHES_PER_BRUSH_ENTITY = 2;
constexpr int GROUP_SIZE = 16;  // entities sharing one targetname
constexpr int TEXTURES = 48;

const char* const BRUSH_CLASSES[] = {"func_door", "func_button", "trigger_multiple", "func_wall"};
const char* const POINT_CLASSES[] = {"light",          "monster_soldier",  "path_corner",   "trigger_relay",
                                     "target_speaker", "item_health",      "weapon_shotgun", "info_notnull",
                                     "point_combat",   "target_explosion", "func_timer",     "target_lightramp"};
const char* const SPAWNFLAGS[] = {"0", "256", "512", "1024", "2048", "768", "2304", "1"};

/// One face: three points of its plane, moved by (x, y, z), and its texture.
void Face(std::string& out, const int (&points)[9], int x, int y, int z, int texture) {
    char line[160];
    std::snprintf(line, sizeof line, "( %d %d %d ) ( %d %d %d ) ( %d %d %d ) e1u1/tex%02d 0 0 0 1 1\n",
                  points[0] + x, points[1] + y, points[2] + z, points[3] + x, points[4] + y, points[5] + z,
                  points[6] + x, points[7] + y, points[8] + z, texture);
    out += line;
}

/// A 32-unit cube with two upright edges cut off, at grid cell `number`.
void Brush(std::string& out, int number) {
    static const int FACES[8][9] = {
        {-16, -16, -16, -16, -15, -16, -16, -16, -15}, {-16, -16, -16, -16, -16, -15, -15, -16, -16},
        {-16, -16, -16, -15, -16, -16, -16, -15, -16}, {16, 16, 16, 16, 16, 17, 16, 17, 16},
        {16, 16, 16, 17, 16, 16, 16, 16, 17},          {16, 16, 16, 16, 17, 16, 17, 16, 16},
        {16, 8, -1, 16, 8, 0, 15, 9, 0},               {-16, -8, -1, -16, -8, 0, -15, -9, 0}};
    const int x = -1024 + (number % 32) * 64;
    const int y = -512 + (number / 32 % 16) * 64;
    const int z = -1024 + (number / 512) * 64;
    out += "{\n";
    for (int f = 0; f < 8; ++f) {
        Face(out, FACES[f], x, y, z, (number + f) % TEXTURES);
    }
    out += "}\n";
}

std::string Name(int group) {
    const int groups = (MAX_ENTITIES - 1) / GROUP_SIZE + 1;
    return "n" + std::to_string((group + groups) % groups);
}

/// The link keys of entity `i`: its group's name, and the names of nearby groups.
void Links(std::string& out, int i) {
    const int group = i / GROUP_SIZE;
    out += "\"targetname\" \"" + Name(group) + "\"\n\"target\" \"" + Name(group + 1) + "\"\n";
    out += "\"killtarget\" \"" + Name(group + 3) + "\"\n\"pathtarget\" \"" + Name(group + 5) + "\"\n";
    out += "\"spawnflags\" \"" + std::string(SPAWNFLAGS[i % 8]) + "\"\n";
}

}  // namespace

int main() {
    std::string out = "{\n\"classname\" \"worldspawn\"\n\"message\" \"Maximum map\"\n\"nextmap\" \"base2\"\n";
    const int worldBrushes = MAX_BRUSHES - BRUSH_ENTITIES * BRUSHES_PER_BRUSH_ENTITY;
    int brush = 0;
    while (brush < worldBrushes) {
        Brush(out, brush++);
    }
    out += "}\n{\n\"classname\" \"info_player_start\"\n\"origin\" \"0 0 512\"\n}\n";
    for (int i = 2; i < MAX_ENTITIES; ++i) {
        const bool brushEntity = i - 2 < BRUSH_ENTITIES;
        out += "{\n\"classname\" \"";
        out += brushEntity ? BRUSH_CLASSES[i % 4] : POINT_CLASSES[i % 12];
        out += "\"\n";
        Links(out, i);
        if (brushEntity) {
            for (int b = 0; b < BRUSHES_PER_BRUSH_ENTITY; ++b) {
                Brush(out, brush++);
            }
        } else {
            out += "\"origin\" \"" + std::to_string(-2000 + i % 64 * 60) + " " + std::to_string(-2000 + i / 64 * 60) +
                   " 512\"\n\"noise\" \"world/amb" + std::to_string(i % 40) + ".wav\"\n";
        }
        out += "}\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
