# The first frame is on disk and names the second, which is only in pak0.pak: no face names it.
. "$GOLDEN_LIB/game-files.sh"
mkdir -p quake2/baseq2/textures/e1u1
make_wal quake2/baseq2/textures/e1u1/frame1.wal e1u1/frame2
make_pak quake2/baseq2/pak0.pak textures/e1u1/frame2.wal
