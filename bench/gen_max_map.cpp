// Writes a map at the checker's size limits: 8192 brushes with about 65536 sides, a third of
// them prisms of 10, 14 or 18 faces, spread over the legal space so that the plane table fills.
//
//   gen_max_map OUTPUT.map
//
// Every prism has faces along both horizontal axes and flat ends, so no bevel side is added and
// the side table ends just under its limit.

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int BRUSHES = 8192;
constexpr int GRID = 32;        // brushes per row and per column on one level
constexpr int SPACING = 200;    // between brush centres
constexpr int RADIUS = 64;      // of the circle the prism's faces touch
constexpr int HEIGHT = 96;
constexpr long SIDE_BUDGET = 65200;  // face lines; the few bevel sides of the prisms fill the rest

struct Direction {
    int x;
    int y;
};

/// Horizontal face directions for prisms of 4, 8, 12 and 16 sides, in order around the axis.
std::vector<Direction> Directions(int sides) {
    switch (sides) {
        case 8:
            return {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
        case 12:
            return {{1, 0}, {2, 1}, {1, 2}, {0, 1}, {-1, 2}, {-2, 1}, {-1, 0}, {-2, -1}, {-1, -2}, {0, -1}, {1, -2}, {2, -1}};
        case 16:
            return {{1, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 1}, {-1, 2}, {-1, 1}, {-2, 1},
                    {-1, 0}, {-2, -1}, {-1, -1}, {-1, -2}, {0, -1}, {1, -2}, {1, -1}, {2, -1}};
        default:
            return {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    }
}

/// One face line: the plane with outward normal n through p, as three whole-number points.
void Face(std::FILE* out, const int n[3], const int p[3], const char* texture) {
    const int a[3] = {n[0] != 0 || n[1] != 0 ? -n[1] : 1, n[0] != 0 || n[1] != 0 ? n[0] : 0, 0};
    const int b[3] = {n[1] * a[2] - n[2] * a[1], n[2] * a[0] - n[0] * a[2], n[0] * a[1] - n[1] * a[0]};
    std::fprintf(out, "( %d %d %d ) ( %d %d %d ) ( %d %d %d ) %s 0 0 0 1 1\n", p[0] + a[0], p[1] + a[1], p[2] + a[2],
                 p[0], p[1], p[2], p[0] + b[0], p[1] + b[1], p[2] + b[2], texture);
}

void Prism(std::FILE* out, int cx, int cy, int cz, int sides, const char* texture) {
    std::fprintf(out, "{\n");
    for (const Direction& d : Directions(sides)) {
        const double length = std::sqrt(static_cast<double>(d.x * d.x + d.y * d.y));
        const int steps = static_cast<int>(std::lround(RADIUS / length));
        const int n[3] = {d.x, d.y, 0};
        const int p[3] = {cx + steps * d.x, cy + steps * d.y, cz};
        Face(out, n, p, texture);
    }
    const int up[3] = {0, 0, 1};
    const int top[3] = {cx, cy, cz + HEIGHT};
    Face(out, up, top, texture);
    const int down[3] = {0, 0, -1};
    const int bottom[3] = {cx, cy, cz};
    Face(out, down, bottom, texture);
    std::fprintf(out, "}\n");
}

/// Side counts: most brushes are boxes; every third is a prism of 8, 12 or 16 sides around.
int SidesAround(int brush) {
    if (brush % 3 != 0) {
        return 4;
    }
    const int kind = (brush / 3) % 4;
    return kind == 0 || kind == 1 ? 8 : (kind == 2 ? 12 : 16);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: gen_max_map OUTPUT.map\n");
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    static const char* const textures[] = {"e1u1/floor1_1", "e1u1/wall1_1", "e1u2/ceil1_3", "e2u1/metal2_2"};
    std::fprintf(out, "{\n\"classname\" \"worldspawn\"\n\"sounds\" \"5\"\n\"nextmap\" \"base2\"\n");
    long sides = 0;
    for (int i = 0; i < BRUSHES; ++i) {
        const int column = i % GRID;
        const int row = (i / GRID) % GRID;
        const int level = i / (GRID * GRID);
        // Once the rest would no longer fit as boxes, the rest are boxes: the side table ends
        // just under its limit.
        int around = SidesAround(i);
        if (sides + around + 2 + 6L * (BRUSHES - i - 1) > SIDE_BUDGET) {
            around = 4;
        }
        Prism(out, (column - GRID / 2) * SPACING, (row - GRID / 2) * SPACING, (level - 4) * (HEIGHT + 104), around,
              textures[i % 4]);
        sides += around + 2;
    }
    std::fprintf(out, "}\n{\n\"classname\" \"info_player_start\"\n\"origin\" \"100 100 4000\"\n}\n");
    for (int i = 0; i < 64; ++i) {
        std::fprintf(out, "{\n\"classname\" \"light\"\n\"origin\" \"%d %d 3000\"\n\"light\" \"200\"\n}\n",
                     (i % 8) * 400 - 1600, (i / 8) * 400 - 1600);
    }
    std::fclose(out);
    std::fprintf(stderr, "%d brushes, %ld sides\n", BRUSHES, sides);
    return 0;
}
