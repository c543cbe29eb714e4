# The game folder: every texture of the map is in pak0.pak.
. "$GOLDEN_LIB/game-files.sh"
mkdir -p quake2/baseq2/textures
make_pak quake2/baseq2/pak0.pak textures/base/wall.wal
