# An animated texture on disk and a plain one in pak0.pak.
make_wal e1u1/anim1 e1u1/anim2
make_wal e1u1/anim2 e1u1/anim1
make_pak pak0.pak textures/e1u1/wall.wal
