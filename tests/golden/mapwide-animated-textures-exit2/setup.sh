# Texture files whose headers name their next animation frame.
make_wal e1u1/anim1 e1u1/anim2
make_wal e1u1/lava1 'e1u1\lava2'
make_wal e1u1/fan1 e1u1/fan2
make_wal e1u1/wall ""
make_wal e1u1/slime1 'e1u1\slime2'
make_wal e1u1/flat1 ""
