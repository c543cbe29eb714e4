# Writers of small game files for the setup.sh of golden cases, which run_case.sh sources before
# each setup.sh. Every file goes below the case's game folder quake2/baseq2/, whose textures/ folder
# is made with the first file.

# A 32-bit little-endian integer.
le32() { printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)))"; }

# make_pak PAK NAME...: quake2/baseq2/PAK, whose directory lists each NAME with no data.
make_pak() {
  local out=quake2/baseq2/$1; shift
  mkdir -p quake2/baseq2/textures
  { printf 'PACK'; le32 12; le32 $((64 * $#))
    for name in "$@"; do printf '%s' "$name"; head -c $((56 - ${#name})) /dev/zero; le32 0; le32 0; done; } >"$out"
}

# make_wal NAME NEXT: the texture header quake2/baseq2/textures/NAME.wal, which names NEXT as its
# next animation frame ("" for none), with flags, contents and value 0.
make_wal() {
  mkdir -p "$(dirname "quake2/baseq2/textures/$1")"
  { head -c 56 /dev/zero; printf '%s' "$2"; head -c $((32 - ${#2})) /dev/zero; le32 0; le32 0; le32 0; } \
    >"quake2/baseq2/textures/$1.wal"
}
