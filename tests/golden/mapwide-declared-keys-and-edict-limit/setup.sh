# later.db declares 2048 edicts: 2020 banners everywhere and 20 not in deathmatch put EASY, NORMAL
# and HARD past it and DEATHMATCH just below it. Only the undeclared keys are not fields.
{
  printf '{\n"classname" "worldspawn"\n"nextmap" "base2"\n"sounds" "31"\n"shadowlightradius" "64"\n}\n'
  printf '{\n"classname" "info_player_start"\n"origin" "0 0 24"\n"SHADOWLIGHTINTENSITY" "2"\n"shadowlightstyle" "1"\n}\n'
  printf '{\n"classname" "misc_lamp"\n"origin" "0 64 24"\n"shadowlightradius" "16"\n"goals" "1"\n}\n'
  for i in $(seq 1 2020); do printf '{\n"classname" "misc_banner"\n"origin" "%d 0 0"\n}\n' "$i"; done
  for i in $(seq 1 20); do printf '{\n"classname" "misc_banner"\n"origin" "%d 64 0"\n"spawnflags" "2048"\n}\n' "$i"; done
} >test.map
