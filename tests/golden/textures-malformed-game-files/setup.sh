# Damaged paks and textures: each is skipped or reported, none stops the run.
mkdir -p quake2/baseq2/textures/e1u1
# pak0 is cut short, pak1 is no pak, pak2 claims far more directory than it holds,
# pak3's directory lies past its end, pak4 is a folder.
printf 'PACK\014\000' >quake2/baseq2/pak0.pak
{ printf 'PAKX'; le32 12; le32 64; printf 'textures/e1u1/a.wal'; head -c 45 /dev/zero; le32 0; le32 0; } >quake2/baseq2/pak1.pak
{ printf 'PACK'; le32 12; le32 640000; printf 'textures/e1u1/b.wal'; head -c 45 /dev/zero; le32 0; le32 0; } >quake2/baseq2/pak2.pak
{ printf 'PACK'; le32 4000000000; le32 64; printf 'textures/e1u1/c.wal'; head -c 45 /dev/zero; le32 0; le32 0; } >quake2/baseq2/pak3.pak
mkdir -p quake2/baseq2/pak4.pak
# A texture too short for its header, and a texture that is a folder.
head -c 40 /dev/zero >quake2/baseq2/textures/e1u1/short.wal
mkdir -p quake2/baseq2/textures/e1u1/folder.wal
make_pak pak5.pak textures/e1u1/d.wal textures/e1u1/a.wal
