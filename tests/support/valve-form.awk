# Rewrites each well-formed classic face line of a map into the form with free texture axes:
#   ( x y z ) ( x y z ) ( x y z ) TEXTURE xoff yoff rot xscale yscale [contents flags value]
# becomes
#   ( x y z ) ( x y z ) ( x y z ) TEXTURE [ ux uy uz xoff ] [ vx vy vz yoff ] rot xscale yscale [...]
# with the axes that a classic face on that plane gets. Everything up to the texture name and after
# the fifth number (the optional numbers, a comment) stays byte for byte; every other line is
# copied as it is, so line numbers hold.
#   awk -f valve-form.awk IN.map >OUT.map
function numeric(token) { return token ~ /^[-+]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][-+]?[0-9]+)?$/ }
function absolute(x) { return x < 0 ? -x : x }
# Length of the first `count` tokens of `text` with the blanks before them.
function span(text, count,    at, k) {
  at = 0
  for (k = 0; k < count; k++) {
    match(substr(text, at + 1), /^[ \t]*[^ \t]+/)
    at += RLENGTH
  }
  return at
}
# Points, texture, five numbers, maybe three more, maybe a comment.
function wellformed(    k, last) {
  if (NF < 21) return 0
  if ($1 != "(" || $5 != ")" || $6 != "(" || $10 != ")" || $11 != "(" || $15 != ")") return 0
  for (k = 2; k <= 14; k++) if (k % 5 != 0 && k % 5 != 1 && !numeric($k)) return 0
  last = NF >= 24 && numeric($22) && numeric($23) && numeric($24) ? 24 : 21
  for (k = 17; k <= last; k++) if (!numeric($k)) return 0
  return NF == last || $(last + 1) ~ /^(\/\/|;)/
}
{
  line = $0
  cr = sub(/\r$/, "", line) ? "\r" : ""
  $0 = line
  if (!wellformed()) { print line cr; next }
  # The plane's normal, (p0 - p1) x (p2 - p1); the largest component picks the axes, z before x
  # before y on ties.
  ax = $2 - $7; ay = $3 - $8; az = $4 - $9
  bx = $12 - $7; by = $13 - $8; bz = $14 - $9
  nx = absolute(ay * bz - az * by); ny = absolute(az * bx - ax * bz); nz = absolute(ax * by - ay * bx)
  if (nz >= nx && nz >= ny) { u = "1 0 0"; v = "0 -1 0" }
  else if (nx >= ny) { u = "0 1 0"; v = "0 0 -1" }
  else { u = "1 0 0"; v = "0 0 -1" }
  head = span(line, 16)
  tail = span(line, 21)
  printf "%s [ %s %s ] [ %s %s ] %s %s %s%s%s\n", substr(line, 1, head), u, $17, v, $18, $19, $20, $21,
    substr(line, tail + 1), cr
}
