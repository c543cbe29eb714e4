# Writes test.map: a world whose brushes reach one of the table limits.
# 6554 cubes of ten faces each: the six of the cube and four planes beyond it.
awk -f "$GOLDEN_LIB/brushes.awk" -f /dev/stdin >test.map <<'AWK'
BEGIN {
  printf "{\n\"classname\" \"worldspawn\"\n"
  for (i = 0; i < 6554; i++) { print "{"; box(0, 0, 0, 64, 64, 64); extra(); print "}" }
  print "}"
}
AWK
