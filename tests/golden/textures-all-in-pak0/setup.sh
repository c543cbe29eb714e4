# Every texture on disk and in pak0.
. "$GOLDEN_LIB/game-files.sh"
mkdir -p quake2/baseq2/textures/e1u1
make_pak quake2/baseq2/pak0.pak textures/e1u1/floor.wal textures/e1u1/wall.wal
make_wal quake2/baseq2/textures/e1u1/floor.wal ""
make_wal quake2/baseq2/textures/e1u1/wall.wal ""
make_pak quake2/baseq2/pak1.pak textures/e1u1/wall.wal
