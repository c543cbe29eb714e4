# The game folder: every texture of the map is in pak0.pak.
le32() { printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)))"; }
mkdir -p quake2/baseq2/textures
{ printf PACK; le32 12; le32 64; name=textures/base/wall.wal
  printf "%s" "$name"; head -c $((56 - ${#name})) /dev/zero; le32 0; le32 0; } >quake2/baseq2/pak0.pak
