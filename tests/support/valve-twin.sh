# Turns a prepared whole-run case into its twin with free texture axes; sourced by the runners of
# golden and headless cases.
#
#   valve_twin WORK CASE_DIR
#
# Rewrites every face line of the maps and included files (*.map, *.inc) below WORK, outside its
# bin/ folder, with valve-form.awk, copies CASE_DIR to a new folder whose expected maps are
# rewritten the same way, and sets twin_case_dir to that folder (the caller removes it).

# Rewrites the face lines of the files below $1 whose names start with $2, keeping each file's mode.
valve_form_files() {
  local file
  find "$1" -path "$1/bin" -prune -o -type f \( -name "$2*.map" -o -name "$2*.inc" \) -print |
    while IFS= read -r file; do
      awk -f "$(dirname "${BASH_SOURCE[0]}")/valve-form.awk" "$file" >"$file.valve" && cat "$file.valve" >"$file"
      rm -f "$file.valve"
    done
}

valve_twin() {
  valve_form_files "$1" ""
  twin_case_dir=$(mktemp -d "${TMPDIR:-/tmp}/quillon-expected.XXXXXX")
  cp -R "$2/." "$twin_case_dir/"
  valve_form_files "$twin_case_dir" expected-
}
