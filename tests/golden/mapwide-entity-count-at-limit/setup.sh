# 1024 entities in every level: noted, not past the limit. Named info_nulls and unnamed lights do not
# count; func_plat, misc_teleporter and unnamed doors without health add a trigger field each.
{
  printf '{\n"classname" "worldspawn"\n"nextmap" "base2"\n"sounds" "31"\n}\n'
  printf '{\n"classname" "info_player_start"\n"origin" "0 0 24"\n}\n'
  printf '{\n"classname" "INFO_NULL"\n"targetname" "x"\n}\n{\n"classname" "light"\n"origin" "0 0 64"\n}\n'
  printf '{\n"classname" "Light"\n"targetname" "switch"\n"origin" "0 0 96"\n}\n'
  for c in func_plat misc_teleporter func_door; do printf '{\n"classname" "%s"\n}\n' "$c"; done
  printf '{\n"classname" "func_door_rotating"\n"health" "-5"\n}\n{\n"classname" "func_door"\n"health" "50"\n}\n'
  printf '{\n"classname" "func_door"\n"targetname" "gate"\n}\n'
  for i in $(seq 1 994); do printf '{\n"classname" "misc_banner"\n"origin" "%d 0 0"\n}\n' "$i"; done
} >test.map
