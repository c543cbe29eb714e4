# Game files: pak0 and pak2 (their directories only) and two textures on disk.
. "$GOLDEN_LIB/game-files.sh"
mkdir -p quake2/baseq2/textures/e1u1
make_pak quake2/baseq2/pak0.pak textures/e1u1/wall.wal textures/e1u1/floor.wal pics/colormap.pcx
make_pak quake2/baseq2/pak2.pak textures/e1u1/roof.wal
make_wal quake2/baseq2/textures/e1u1/wall.wal ""
make_wal quake2/baseq2/textures/e1u1/anim1.wal e1u1/anim2
