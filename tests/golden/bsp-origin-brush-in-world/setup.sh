# The game folder: every texture of the map is in pak0.pak.
make_pak pak0.pak textures/base/wall.wal
