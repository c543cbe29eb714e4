# An animated texture written with a capital letter in an included file; its second frame is missing.
le32() { printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)))"; }
make_pak() {
  local out=$1; shift
  { printf 'PACK'; le32 12; le32 $((64 * $#))
    for name in "$@"; do printf '%s' "$name"; head -c $((56 - ${#name})) /dev/zero; le32 0; le32 0; done; } >"$out"
}
make_wal() {
  { head -c 56 /dev/zero; printf '%s' "$2"; head -c $((32 - ${#2})) /dev/zero; le32 0; le32 0; le32 0; } >"$1"
}
mkdir -p quake2/baseq2/textures/e1u1
make_wal quake2/baseq2/textures/e1u1/anim1.wal e1u1/anim2
make_wal quake2/baseq2/textures/e1u1/wall.wal ""
make_pak quake2/baseq2/pak0.pak textures/e1u1/wall.wal
