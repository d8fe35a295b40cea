#!/usr/bin/env bash
# The vocabulary settings window on a copy of the built program folder: its script, then the PDF
# that its flash cards were printed into (two sheets: two fronts and two backs).
#   settings_e2e.sh PROGRAM_DIR
set -u
program_source=$(cd "$1" && pwd)
script=$(cd "$(dirname "$0")/settings" && pwd)/einstellungen.script
: "${QT_QPA_PLATFORM:=offscreen}" "${SDL_AUDIODRIVER:=dummy}"
export QT_QPA_PLATFORM SDL_AUDIODRIVER

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
program=$scratch/program
cp -r "$program_source" "$program"
rm -rf "$program/Benutzer" && mkdir -p "$program/Benutzer"
run=$scratch/run
mkdir -p "$run/config" "$run/home"
# A library of its own (the shipped ones grow): UTF-8 here, Windows-1252 with CRLF as the editor
# writes it.
iconv -f UTF-8 -t WINDOWS-1252 "$(dirname "$script")/essen.asc.txt" | sed 's/$/\r/' >"$run/essen.asc"
# Ten lines an entry: the first 22 entries.
head -n 220 "$run/essen.asc" >"$run/karten22.asc"

(cd "$run" && HOME="$run/home" XDG_DATA_HOME="$run/home/.local/share" QOR_CONFIG_DIR="$run/config" \
  QOR_SCREEN=1024x768x24 QOR_DRIVE_ROOTS="$run/nodrive" QOR_PRINT_PDF="$run/karten.pdf" \
  timeout -s KILL 300 "$program/qor" --script "$script" >"$run/output" 2>&1)
status=$?
if [ "$status" -ne 0 ]; then
  echo "FAIL: the script ended with $status"
  cat "$run/output"
  exit 1
fi
pages=$(pdfinfo "$run/karten.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
if [ "$pages" != "4" ]; then
  echo "FAIL: the flash cards of 22 entries printed ${pages:-no} pages, not 4"
  exit 1
fi
echo "PASS: the script, and 22 flash cards on 4 pages"
