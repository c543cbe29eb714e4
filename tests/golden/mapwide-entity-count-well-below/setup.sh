# 1000 entities in every level: one too few for the note.
{
  printf '{\n"classname" "worldspawn"\n"nextmap" "base2"\n"sounds" "31"\n}\n'
  printf '{\n"classname" "info_player_start"\n"origin" "0 0 24"\n}\n'
  for i in $(seq 1 981); do printf '{\n"classname" "misc_banner"\n"origin" "%d 0 0"\n}\n' "$i"; done
} >test.map
