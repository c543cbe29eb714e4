# Writers of small game files for the setup.sh of golden cases; source it with
#   . "$GOLDEN_LIB/game-files.sh"

# A 32-bit little-endian integer.
le32() { printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)))"; }

# make_pak OUT NAME...: a pak whose directory lists each NAME with no data.
make_pak() {
  local out=$1; shift
  { printf 'PACK'; le32 12; le32 $((64 * $#))
    for name in "$@"; do printf '%s' "$name"; head -c $((56 - ${#name})) /dev/zero; le32 0; le32 0; done; } >"$out"
}

# make_wal OUT NEXT: a texture header that names NEXT as its next animation frame ("" for none),
# with flags, contents and value 0.
make_wal() {
  { head -c 56 /dev/zero; printf '%s' "$2"; head -c $((32 - ${#2})) /dev/zero; le32 0; le32 0; le32 0; } >"$1"
}
