# An animated texture written in capitals, its second frame on disk; the rest in pak0.pak.
. "$GOLDEN_LIB/game-files.sh"
mkdir -p quake2/baseq2/textures/e1u1
make_wal quake2/baseq2/textures/e1u1/anim1.wal e1u1/anim2
make_wal quake2/baseq2/textures/e1u1/anim2.wal ""
make_wal quake2/baseq2/textures/e1u1/wall.wal ""
make_pak quake2/baseq2/pak0.pak textures/e1u1/wall.wal
