# The first frame is on disk and names the second, which is only in pak0.pak: no face names it.
make_wal e1u1/frame1 e1u1/frame2
make_pak pak0.pak textures/e1u1/frame2.wal
