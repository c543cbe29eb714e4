# 260 brush entities and 280 speakers, each with its own sound: past the 1997 game's 256 models and
# 256 sounds, within the 300 that roomy.db declares.
box() {  # a 32-unit cube at x = $1
  printf '{\n( %d 0 0 ) ( %d 1 0 ) ( %d 0 1 ) e1u1/floor1_1 0 0 0 1 1\n' "$1" "$1" "$1"
  printf '( %d 0 0 ) ( %d 0 1 ) ( %d 1 0 ) e1u1/floor1_1 0 0 0 1 1\n' "$(($1 + 32))" "$(($1 + 32))" "$(($1 + 32))"
  printf '( 0 0 0 ) ( 0 0 1 ) ( 1 0 0 ) e1u1/floor1_1 0 0 0 1 1\n( 0 32 0 ) ( 1 32 0 ) ( 0 32 1 ) e1u1/floor1_1 0 0 0 1 1\n'
  printf '( 0 0 0 ) ( 1 0 0 ) ( 0 1 0 ) e1u1/floor1_1 0 0 0 1 1\n( 0 0 32 ) ( 0 1 32 ) ( 1 0 32 ) e1u1/floor1_1 0 0 0 1 1\n}\n'
}
{
  printf '{\n"classname" "worldspawn"\n"sounds" "5"\n"nextmap" "base2"\n'
  box -64
  printf '}\n{\n"classname" "info_player_start"\n"origin" "-48 64 24"\n}\n'
  for i in $(seq 0 259); do
    printf '{\n"classname" "func_wall"\n'
    box $((i * 64))
    printf '}\n'
  done
  for i in $(seq 0 279); do
    printf '{\n"classname" "target_speaker"\n"spawnflags" "1"\n"noise" "world/s%03d.wav"\n"origin" "%d 64 24"\n}\n' "$i" "$((i * 8))"
  done
} >declared.map
