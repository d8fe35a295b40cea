#!/usr/bin/env bash
# Runs every script of tests/e2e/lessons/ with the script driver on a copy of a built program folder:
# the twelve lessons of the course, each completed from the start page, and the named pages. Every
# script gets a settings folder, a home and an empty user folder of its own, so no learner state
# leaks from one to the next. A failed script is reported with the driver's line; the exit code is non-zero when any failed.
#   lessons_e2e.sh PROGRAM_DIR [PATTERN]
# PATTERN (default "*") picks the scripts by name, so that the scripts can run as several tests side
# by side.
set -u
if [ $# -lt 1 ] || [ $# -gt 2 ] || [ ! -x "$1/qor" ]; then
  echo "usage: lessons_e2e.sh PROGRAM_DIR [PATTERN] (a built program folder holding the executable qor)" >&2
  exit 2
fi
pattern=${2:-*}
program_source=$(cd "$1" && pwd)
scripts_dir=$(cd "$(dirname "$0")/lessons" && pwd)
: "${QT_QPA_PLATFORM:=offscreen}" "${SDL_AUDIODRIVER:=dummy}"
export QT_QPA_PLATFORM SDL_AUDIODRIVER

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
program=$scratch/program
# The scripts write into the program folder only the user records of a learner who logged in;
# those are cleared before each script, so one copy serves them all.
cp -r "$program_source" "$program"

passed=0
failed=0
shopt -s nullglob
scripts=("$scripts_dir"/$pattern.script)
if [ ${#scripts[@]} -eq 0 ]; then
  echo "lessons_e2e: no scripts $pattern.script in $scripts_dir"
  exit 1
fi

for script in "${scripts[@]}"; do
  name=$(basename "$script")
  run=$scratch/run-${name%.script}
  mkdir -p "$run/config" "$run/home" "$run/runtime"
  rm -rf "$program/Benutzer" && mkdir -p "$program/Benutzer"
  chmod 700 "$run/runtime"
  started=$(date +%s)
  output=$(cd "$program" && HOME="$run/home" XDG_DATA_HOME="$run/home/.local/share" \
    XDG_CONFIG_HOME="$run/home/.config" XDG_RUNTIME_DIR="$run/runtime" QOR_CONFIG_DIR="$run/config" \
    QOR_SCREEN=1024x768x24 QOR_DRIVE_ROOTS="$run/nodrive" \
    timeout 300 ./qor --script "$script" 2>&1)
  status=$?
  seconds=$(($(date +%s) - started))
  if [ "$status" -eq 0 ]; then
    echo "PASS $name (${seconds} s)"
    passed=$((passed + 1))
    continue
  fi
  failed=$((failed + 1))
  case $status in
    1) why="a step failed" ;;
    2) why="the script is malformed" ;;
    124) why="timed out" ;;
    *) why="exit code $status" ;;
  esac
  echo "FAIL $name: $why"
  # The driver names the failed line as FILE:LINE: STEP: REASON; without such a line show everything.
  if grep -q -F "$name:" <<<"$output"; then
    grep -F "$name:" <<<"$output" | sed 's/^/    /'
  else
    sed 's/^/    /' <<<"$output"
  fi
done

echo "lessons_e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
