# 1010 banners: 990 everywhere and 20 that are not in deathmatch.
{
  printf '{\n"classname" "worldspawn"\n"nextmap" "base2"\n"sounds" "31"\n}\n'
  printf '{\n"classname" "info_player_start"\n"origin" "0 0 24"\n}\n'
  for i in $(seq 1 990); do printf '{\n"classname" "misc_banner"\n"origin" "%d 0 0"\n}\n' "$i"; done
  for i in $(seq 1 20); do printf '{\n"classname" "misc_banner"\n"origin" "%d 64 0"\n"spawnflags" "2048"\n}\n' "$i"; done
} >test.map
