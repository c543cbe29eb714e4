# Writes test.map: a world whose brushes reach one of the table limits.
# 8193 copies of one cube.
awk -f "$GOLDEN_LIB/brushes.awk" -f /dev/stdin >test.map <<'AWK'
BEGIN {
  printf "{\n\"classname\" \"worldspawn\"\n"
  for (i = 0; i < 8193; i++) { print "{"; box(0, 0, 0, 64, 64, 64); print "}" }
  print "}"
}
AWK
