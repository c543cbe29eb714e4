# The map path names a folder, which opens but cannot be read.
mkdir test.map
