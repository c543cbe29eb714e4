# A level with 300 speakers, each playing its own sound: more than the game can index.
{
  printf '{\n"classname" "worldspawn"\n}\n{\n"classname" "info_player_start"\n"origin" "0 0 24"\n}\n'
  for n in $(seq 1 300); do
    printf '{\n"classname" "target_speaker"\n"origin" "%d 0 0"\n"spawnflags" "1"\n"noise" "world/s%d.wav"\n}\n' "$n" "$n"
  done
} > many-sounds.map
