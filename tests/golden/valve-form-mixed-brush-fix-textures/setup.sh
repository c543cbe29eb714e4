# An animated texture on disk and a plain one in pak0.pak.
. "$GOLDEN_LIB/game-files.sh"
mkdir -p quake2/baseq2/textures/e1u1
make_wal quake2/baseq2/textures/e1u1/anim1.wal e1u1/anim2
make_wal quake2/baseq2/textures/e1u1/anim2.wal e1u1/anim1
make_pak quake2/baseq2/pak0.pak textures/e1u1/wall.wal
