#!/usr/bin/env bash
# Everything a learner can click does something: every link of every shipped page, and every menu
# item and button of the windows that take the main window's place, on a copy of the built program
# folder with the real executable. The reports of the walks are kept in the output on failure.
#   walk_e2e.sh PROGRAM_DIR
set -u
program_source=$(cd "$1" && pwd)
scripts=$(cd "$(dirname "$0")/walk" && pwd)
: "${QT_QPA_PLATFORM:=offscreen}" "${SDL_AUDIODRIVER:=dummy}"
export QT_QPA_PLATFORM SDL_AUDIODRIVER

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
program=$scratch/program
cp -r "$program_source" "$program"
run=$scratch/run
mkdir -p "$run/config" "$run/home" "$program/Benutzer"
cp "$(ls "$program/Vokabeln (F)/Grundwortschatz/"*.asc | head -1)" "$run/lib.asc"

(cd "$run" && HOME="$run/home" XDG_DATA_HOME="$run/home/.local/share" QOR_CONFIG_DIR="$run/config" \
  QOR_SCREEN=1024x768x24 QOR_DRIVE_ROOTS="$run/nodrive" \
  timeout -s KILL 900 "$program/qor" --script "$scripts/walk.script" >"$run/output" 2>&1)
status=$?
if [ "$status" -ne 0 ]; then
  echo "FAIL: the walk ended with $status"
  cat "$run/output"
  for report in "$run"/walk-*.txt; do
    [ -f "$report" ] && { echo "== $(basename "$report")"; grep -P '\tNICHTS$' "$report"; }
  done
  exit 1
fi
for report in "$run"/walk-*.txt; do
  echo "$(basename "$report"): $(wc -l <"$report") items, $(grep -cP '\tNICHTS$' "$report") of them acting only in a situation the walk does not create"
done
