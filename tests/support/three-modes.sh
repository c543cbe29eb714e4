# The settings of one checker run in each of its three modes, for the scripts that compare whole
# runs over many maps; sourced.
#
#   three_mode_settings TEXTURE_DIR MODE
#
# MODE 0 is the report (texture checks on, names lower-cased), 1 the entity list of every class and
# 2 the used-file list. The map is test.map and every output is written beside it.
three_mode_settings() {
  cat <<SETTINGS
[Quake2]
LastMapFile=test.map
LastOutputFile=report.txt
EntityDB=quake2.db
TextureDir=$1
FindBadWals=0x0001
FixTextures=0x0001
Show=0x000f
OutputType=0x000$2
[FindEnt]
Output=ents.txt
Temp=temp.txt
ClassName=all
Option=0x0002
MatchCriteria=0x0002
[FileList]
Output=files.txt
Temp=temp.txt
SETTINGS
}
