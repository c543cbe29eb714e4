# An animated texture written with a capital letter; its second frame is missing.
make_wal e1u1/anim1 e1u1/anim2
make_wal e1u1/wall ""
make_pak pak0.pak textures/e1u1/wall.wal
