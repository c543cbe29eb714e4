# Texture files whose headers name their next animation frame.
le32() { printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)))"; }
make_wal() {
  { head -c 56 /dev/zero; printf '%s' "$2"; head -c $((32 - ${#2})) /dev/zero; le32 0; le32 0; le32 0; } >"$1"
}
mkdir -p quake2/baseq2/textures/e1u1
make_wal quake2/baseq2/textures/e1u1/anim1.wal e1u1/anim2
make_wal quake2/baseq2/textures/e1u1/lava1.wal 'e1u1\lava2'
make_wal quake2/baseq2/textures/e1u1/fan1.wal e1u1/fan2
make_wal quake2/baseq2/textures/e1u1/wall.wal ""
