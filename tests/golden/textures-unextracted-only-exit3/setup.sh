# Both textures only inside paks, none on disk.
. "$GOLDEN_LIB/game-files.sh"
mkdir -p quake2/baseq2/textures/e1u1
make_pak quake2/baseq2/pak0.pak textures/e1u1/floor.wal
make_pak quake2/baseq2/pak5.pak textures/E1U1/WALL.WAL
