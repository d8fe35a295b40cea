#!/usr/bin/env bash
# What the learner hears, on a copy of the built program folder, through SDL's "disk" audio driver
# (it writes what is played to a file): the lab's normal and slow recordings of one sentence, an
# answer page's listen link, and a dictionary headword without a recording, spoken.
#   sound_e2e.sh PROGRAM_DIR WORD   (WORD: a dictionary headword that has no recording)
set -u
program_source=$(cd "$1" && pwd)
word=$2
scripts=$(cd "$(dirname "$0")/sound" && pwd)
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
program=$scratch/program
cp -r "$program_source" "$program"
rm -rf "$program/Benutzer" && mkdir -p "$program/Benutzer"
sed "s/WORD/$word/g" "$scripts/woerterbuch.script" >"$scratch/woerterbuch.script"

failed=0
# Runs a script; what it played last is left in $scratch/<name>.raw. With a third argument NAME2
# the sound heard when the script has written NAME2-heard.png is kept as $scratch/NAME2.raw, and
# the script goes on once NAME2-kept exists (each new playback starts the file afresh).
play() {
  local name=$1 script=$2 first=${3:-} run=$scratch/run-$1
  mkdir -p "$run/config" "$run/home"
  (cd "$run" && HOME="$run/home" XDG_DATA_HOME="$run/home/.local/share" QOR_CONFIG_DIR="$run/config" \
    QOR_SCREEN=1024x768x24 QOR_DRIVE_ROOTS="$run/nodrive" SDL_DISKAUDIOFILE="$scratch/$name.raw" \
    timeout -s KILL 120 "$program/qor" --script "$script" >"$run/output" 2>&1) &
  local pid=$!
  if [ -n "$first" ]; then
    for _ in $(seq 600); do
      [ -f "$run/$first-heard.png" ] && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    cp "$scratch/$name.raw" "$scratch/$first.raw" 2>/dev/null
    touch "$run/$first-kept"
  fi
  wait "$pid"
  local status=$?
  if [ "$status" -ne 0 ]; then
    echo "FAIL: $name: the script ended with $status"
    cat "$run/output"
    failed=1
  fi
}
# The bytes that are not silence (16-bit samples further than 512 from zero).
sounding() {
  [ -f "$1" ] || { echo 0; return; }
  od -An -v -td2 -w2 "$1" | awk '$1 > 512 || $1 < -512 { n++ } END { print n + 0 }'
}

play langsam "$scripts/labor.script" normal
play antwort "$scripts/antwort.script"
play woerterbuch "$scratch/woerterbuch.script"
[ "$failed" -eq 0 ] || exit 1

normal=$(sounding "$scratch/normal.raw")
langsam=$(sounding "$scratch/langsam.raw")
antwort=$(sounding "$scratch/antwort.raw")
woerterbuch=$(sounding "$scratch/woerterbuch.raw")
echo "sounding samples: normal $normal, langsam $langsam, answer $antwort, dictionary $woerterbuch"
# At 22050 samples a second a word takes thousands of them; the slow sentence takes longer.
for pair in "normal:$normal" "langsam:$langsam" "answer:$antwort" "dictionary:$woerterbuch"; do
  if [ "${pair#*:}" -lt 3000 ]; then
    echo "FAIL: nothing was heard for ${pair%%:*}"
    failed=1
  fi
done
if [ "$failed" -eq 0 ] && [ $((langsam * 10)) -le $((normal * 11)) ]; then
  echo "FAIL: the slow recording ($langsam) is not longer than the normal one ($normal)"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "PASS: both lab recordings, the answer's word and a spoken headword were heard"
exit "$failed"
