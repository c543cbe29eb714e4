# Every texture on disk and in pak0.
make_pak pak0.pak textures/e1u1/floor.wal textures/e1u1/wall.wal
make_wal e1u1/floor ""
make_wal e1u1/wall ""
make_pak pak1.pak textures/e1u1/wall.wal
