# 1025 entities in EASY, NORMAL and HARD, one past the limit; 1001 in deathmatch, the lowest count
# still noted. Beside the banners: a monster and a named trigger_relay the game removes in deathmatch.
{
  printf '{\n"classname" "worldspawn"\n"nextmap" "base2"\n"sounds" "31"\n}\n'
  printf '{\n"classname" "info_player_start"\n"origin" "0 0 24"\n}\n'
  printf '{\n"classname" "monster_soldier"\n"origin" "0 128 24"\n}\n'
  printf '{\n"classname" "trigger_relay"\n"targetname" "t1"\n"origin" "0 160 24"\n}\n'
  printf '{\n"classname" "trigger_relay"\n"origin" "0 192 24"\n}\n'
  for i in $(seq 1 981); do printf '{\n"classname" "misc_banner"\n"origin" "%d 0 0"\n}\n' "$i"; done
  for i in $(seq 1 22); do printf '{\n"classname" "misc_banner"\n"origin" "%d 64 0"\n"spawnflags" "2048"\n}\n' "$i"; done
} >test.map
