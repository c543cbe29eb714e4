# Writes test.map: a world whose brushes reach one of the table limits.
# 5462 thin boxes, each on six planes of its own: coordinates lie a tenth apart, never near a whole number.
awk -f "$GOLDEN_LIB/brushes.awk" -f /dev/stdin >test.map <<'AWK'
BEGIN {
  printf "{\n\"classname\" \"worldspawn\"\n"
  for (i = 0; i < 5462; i++) { lo = d(2 * i); hi = d(2 * i + 1); print "{"; box(lo, lo, lo, hi, hi, hi); print "}" }
  print "}"
}
AWK
