# Brush writers for the map generators of golden cases; use it with
#   awk -f "$GOLDEN_LIB/brushes.awk" -f /dev/stdin <<'AWK' ... AWK
# box(a, b, c, d, e, f, t): the six faces of the box from (a b c) to (d e f) with texture t
# ("base/wall" when empty). extra(): four planes beyond the box, for brushes of ten faces.
# d(k): coordinates a tenth apart that never come near a whole number.
function box(a, b, c, d, e, f, t) {
  if (t == "") t = "base/wall"
  # A texture ending in "#" gives every face a name of its own.
  if (t ~ /#$/) { for (k = 0; k < 6; k++) tex[k] = substr(t, 1, length(t) - 1) (names++) } else { for (k = 0; k < 6; k++) tex[k] = t }
  printf "( %s %s %s ) ( %s %s %s ) ( %s %s %s ) %s 0 0 0 1 1\n", a, b, c+1, a, b, c, a, b+1, c, tex[0]
  printf "( %s %s %s ) ( %s %s %s ) ( %s %s %s ) %s 0 0 0 1 1\n", d, b+1, c, d, b, c, d, b, c+1, tex[1]
  printf "( %s %s %s ) ( %s %s %s ) ( %s %s %s ) %s 0 0 0 1 1\n", a+1, b, c, a, b, c, a, b, c+1, tex[2]
  printf "( %s %s %s ) ( %s %s %s ) ( %s %s %s ) %s 0 0 0 1 1\n", a, e, c+1, a, e, c, a+1, e, c, tex[3]
  printf "( %s %s %s ) ( %s %s %s ) ( %s %s %s ) %s 0 0 0 1 1\n", a, b+1, c, a, b, c, a+1, b, c, tex[4]
  printf "( %s %s %s ) ( %s %s %s ) ( %s %s %s ) %s 0 0 0 1 1\n", a+1, b, f, a, b, f, a, b+1, f, tex[5]
}
function extra() { for (x = 100; x <= 103; x++) printf "( %d 1 0 ) ( %d 0 0 ) ( %d 0 1 ) base/wall 0 0 0 1 1\n", x, x, x }
function d(k) { return int(k / 9) + 0.1 * (k % 9 + 1) }
