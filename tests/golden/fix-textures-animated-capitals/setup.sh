# An animated texture written in capitals, its second frame on disk; the rest in pak0.pak.
make_wal e1u1/anim1 e1u1/anim2
make_wal e1u1/anim2 ""
make_wal e1u1/wall ""
make_pak pak0.pak textures/e1u1/wall.wal
