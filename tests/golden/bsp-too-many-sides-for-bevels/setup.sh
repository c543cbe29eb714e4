# Writes test.map: a world whose brushes reach one of the table limits.
# 6553 cubes of ten faces fill 65530 sides; a six-sided brush without faces along x and y fills the table, and its first bevel side no longer fits.
awk -f "$GOLDEN_LIB/brushes.awk" -f /dev/stdin >test.map <<'AWK'
BEGIN {
  printf "{\n\"classname\" \"worldspawn\"\n"
  for (i = 0; i < 6553; i++) { print "{"; box(0, 0, 0, 64, 64, 64); extra(); print "}" }
  print "{"
  print "( 63 1 0 ) ( 64 0 0 ) ( 64 0 1 ) base/wall 0 0 0 1 1"
  print "( -65 -1 0 ) ( -64 0 0 ) ( -64 0 1 ) base/wall 0 0 0 1 1"
  print "( 65 1 0 ) ( 64 0 0 ) ( 64 0 1 ) base/wall 0 0 0 1 1"
  print "( -63 -1 0 ) ( -64 0 0 ) ( -64 0 1 ) base/wall 0 0 0 1 1"
  print "( 1 0 64 ) ( 0 0 64 ) ( 0 1 64 ) base/wall 0 0 0 1 1"
  print "( 0 1 0 ) ( 0 0 0 ) ( 1 0 0 ) base/wall 0 0 0 1 1"
  print "}"
  print "}"
}
AWK
