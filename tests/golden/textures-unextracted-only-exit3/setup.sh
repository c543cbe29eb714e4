# Both textures only inside paks, none on disk.
make_pak pak0.pak textures/e1u1/floor.wal
make_pak pak5.pak textures/E1U1/WALL.WAL
