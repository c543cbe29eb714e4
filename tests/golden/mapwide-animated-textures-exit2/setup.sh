# Texture files whose headers name their next animation frame.
. "$GOLDEN_LIB/game-files.sh"
mkdir -p quake2/baseq2/textures/e1u1
make_wal quake2/baseq2/textures/e1u1/anim1.wal e1u1/anim2
make_wal quake2/baseq2/textures/e1u1/lava1.wal 'e1u1\lava2'
make_wal quake2/baseq2/textures/e1u1/fan1.wal e1u1/fan2
make_wal quake2/baseq2/textures/e1u1/wall.wal ""
make_wal quake2/baseq2/textures/e1u1/slime1.wal 'e1u1\slime2'
make_wal quake2/baseq2/textures/e1u1/flat1.wal ""
