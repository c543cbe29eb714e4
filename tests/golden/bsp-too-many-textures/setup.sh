# Writes test.map: a world whose brushes reach one of the table limits.
# 171 cubes whose faces all have textures of their own: 1026 names.
awk -f "$GOLDEN_LIB/brushes.awk" -f /dev/stdin >test.map <<'AWK'
BEGIN {
  printf "{\n\"classname\" \"worldspawn\"\n"
  for (i = 0; i < 171; i++) { print "{"; box(0, 0, 0, 64, 64, 64, "gen/t#"); print "}" }
  print "}"
}
AWK
