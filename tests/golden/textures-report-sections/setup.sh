# Game files: pak0 and pak2 (their directories only) and two textures on disk.
make_pak pak0.pak textures/e1u1/wall.wal textures/e1u1/floor.wal pics/colormap.pcx
make_pak pak2.pak textures/e1u1/roof.wal
make_wal e1u1/wall ""
make_wal e1u1/anim1 e1u1/anim2
