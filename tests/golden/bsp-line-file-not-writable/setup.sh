# The game folder: every texture of the map is in pak0.pak.
make_pak pak0.pak textures/base/wall.wal
# A folder where the line file would go: it cannot be written, whoever runs the checker.
mkdir test.lin
