# Textures and sounds in paks and on disk.
. "$GOLDEN_LIB/game-files.sh"
mkdir -p quake2/baseq2/textures/e1u1
mkdir -p quake2/baseq2/sound/world
make_pak quake2/baseq2/pak0.pak textures/e1u1/wall.wal
make_pak quake2/baseq2/pak1.pak sound/world/train.wav textures/e1u1/WALL.wal
make_pak quake2/baseq2/pak3.pak textures/e1u1/anim2.wal
make_wal quake2/baseq2/textures/e1u1/anim1.wal e1u1/anim2
make_wal quake2/baseq2/textures/e1u1/floor.wal ""
printf 'RIFF' >quake2/baseq2/sound/world/amb10.wav
make_wal quake2/baseq2/textures/e1u1/wall.wal ""
