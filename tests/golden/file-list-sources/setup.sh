# Textures and sounds in paks and on disk.
mkdir -p quake2/baseq2/sound/world
make_pak pak0.pak textures/e1u1/wall.wal
make_pak pak1.pak sound/world/train.wav textures/e1u1/WALL.wal
make_pak pak3.pak textures/e1u1/anim2.wal
make_wal e1u1/anim1 e1u1/anim2
make_wal e1u1/floor ""
printf 'RIFF' >quake2/baseq2/sound/world/amb10.wav
make_wal e1u1/wall ""
