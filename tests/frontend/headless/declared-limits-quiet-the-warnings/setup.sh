# 260 brush entities and 280 speakers, each with its own sound: with the sounds of the shipped
# classes, past the 1997 game's 256 models and 256 sounds, within the 300 models and 400 sounds
# that roomy.db declares.
box() {  # a 32-unit cube with its lower corner at x = $1, y = $2, z = 0
  local x=$1 y=$2 X=$(($1 + 32)) Y=$(($2 + 32))
  printf '{\n( %d 0 0 ) ( %d 1 0 ) ( %d 0 1 ) e1u1/floor1_1 0 0 0 1 1\n' "$x" "$x" "$x"
  printf '( %d 0 0 ) ( %d 0 1 ) ( %d 1 0 ) e1u1/floor1_1 0 0 0 1 1\n' "$X" "$X" "$X"
  printf '( 0 %d 0 ) ( 0 %d 1 ) ( 1 %d 0 ) e1u1/floor1_1 0 0 0 1 1\n' "$y" "$y" "$y"
  printf '( 0 %d 0 ) ( 1 %d 0 ) ( 0 %d 1 ) e1u1/floor1_1 0 0 0 1 1\n' "$Y" "$Y" "$Y"
  printf '( 0 0 0 ) ( 1 0 0 ) ( 0 1 0 ) e1u1/floor1_1 0 0 0 1 1\n( 0 0 32 ) ( 0 1 32 ) ( 1 0 32 ) e1u1/floor1_1 0 0 0 1 1\n}\n'
}
{
  printf '{\n"classname" "worldspawn"\n"sounds" "5"\n"nextmap" "base2"\n'
  box -64 -64
  printf '}\n{\n"classname" "info_player_start"\n"origin" "-48 -128 24"\n}\n'
  for i in $(seq 0 259); do
    printf '{\n"classname" "func_wall"\n'
    box $((i % 16 * 64)) $((i / 16 * 64))
    printf '}\n'
  done
  for i in $(seq 0 279); do
    printf '{\n"classname" "target_speaker"\n"spawnflags" "1"\n"noise" "world/s%03d.wav"\n"origin" "%d -128 24"\n}\n' "$i" "$((i * 8))"
  done
} >declared.map
