# Writes test.map: a world whose brushes reach one of the table limits.
# 6554 cubes of ten faces each: the six of the cube and four planes beyond it.
awk 'function box(a, b, c, d, e, f, t) {
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
BEGIN {
  printf "{\n\"classname\" \"worldspawn\"\n"
  for (i = 0; i < 6554; i++) { print "{"; box(0, 0, 0, 64, 64, 64); extra(); print "}" }
  print "}"
}' >test.map
