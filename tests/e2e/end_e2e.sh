#!/usr/bin/env bash
# The end of the program on a copy of the built program folder, with the real executable: nothing
# the learner did is lost and the program always ends. A signal ends it without questions (the
# record, a changed library), the dictionary window never keeps it alive, the editor is asked
# before its library goes, "go" saves a changed library where the learner says, and a record that
# cannot be written to the user folder is copied to the recovery folder and named at the next start.
#   end_e2e.sh PROGRAM_DIR PAGEPACK
set -u
program_source=$(cd "$1" && pwd)
pagepack=$2
scripts=$(cd "$(dirname "$0")/end" && pwd)
: "${QT_QPA_PLATFORM:=offscreen}" "${SDL_AUDIODRIVER:=dummy}"
export QT_QPA_PLATFORM SDL_AUDIODRIVER

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
program=$scratch/program
cp -r "$program_source" "$program"
library=$(ls "$program/Vokabeln (F)/Grundwortschatz/"*.asc | head -1)
passed=0
failed=0
fail() { echo "FAIL [$scenario]: $*"; failed=$((failed + 1)); }
# check CONDITION MESSAGE: both are evaluated when checked; the message only on failure.
check() { if eval "$1"; then passed=$((passed + 1)); else fail "$(eval "echo \"$2\"")"; fi; }

# fresh: a new run folder (settings, home, markers) and an empty user folder.
fresh() {
  scenario=$1
  run=$scratch/run-$1
  rm -rf "$run" "$program/Benutzer" && mkdir -p "$run/config" "$run/home" "$program/Benutzer"
  cp "$library" "$run/lib.asc"
}

# start SCRIPT: runs the trainer in the background on a script of tests/e2e/end (from the run
# folder, so that its relative paths name files there); sets pid.
start() {
  (cd "$run" && HOME="$run/home" XDG_DATA_HOME="$run/home/.local/share" QOR_CONFIG_DIR="$run/config" \
    QOR_SCREEN=1024x768x24 QOR_DRIVE_ROOTS="$run/nodrive" \
    exec timeout -s KILL 120 "$program/qor" --script "$scripts/$1" >"$run/output" 2>&1) &
  pid=$!
}
# finish: waits for the trainer; sets status.
finish() { wait "$pid"; status=$?; }
run_script() { start "$1"; finish; }
# when_ready: waits until the script has written its marker "ready.png".
when_ready() {
  for _ in $(seq 1 600); do [ -s "$run/ready.png" ] && return 0; sleep 0.1; done
  return 1
}
# records FILE: the number of vocabulary records in a user file.
records() {
  "$pagepack" unpack "$1" "$run/unpacked" >/dev/null 2>&1 || { echo 0; return; }
  tr '\0' '\n' <"$run/unpacked" | grep -c '^[<>][0-9]'
}

fresh sigterm
start answered.script
check 'when_ready' 'the script did not get to its answers: $(cat "$run/output")'
kill -TERM "$pid"
finish
check '[ "$status" -eq 0 ]' 'exit $status after SIGTERM: $(cat "$run/output")'
check '[ "$(records "$program/Benutzer/Anna_F.qob")" -ge 2 ]' 'the record lacks the answers'

fresh sigterm-editor
start editor-changed.script
check 'when_ready' 'the editor did not change the library: $(cat "$run/output")'
kill -TERM "$pid"
finish
check '[ "$status" -eq 0 ]' 'exit $status after SIGTERM: $(cat "$run/output")'
check '! cmp -s "$run/lib.asc" "$library"' 'the changed library was not saved to its file'

fresh dictionary-window
for i in $(seq 1 20); do
  run_script dictionary-window.script
  [ "$status" -eq 0 ] || { fail "run $i: exit $status"; break; }
done
[ "$status" -eq 0 ] && passed=$((passed + 1))

fresh editor-at-end
run_script editor-at-end.script
check '[ "$status" -eq 0 ]' 'exit $status: $(cat "$run/output")'
check '[ -s "$run/editor.asc" ]' 'the library of the editor was not saved at the end'

fresh go-saves
run_script go-saves.script
check '[ "$status" -eq 0 ]' 'exit $status: $(cat "$run/output")'
check '[ -s "$run/go.asc" ] && ! cmp -s "$run/go.asc" "$run/lib.asc"' 'go did not save the changed library'

# The user file becomes a folder while the learner trains: it can no longer be written.
fresh record-copy
start record-unwritable.script
check 'when_ready' 'the script did not get to its answers: $(cat "$run/output")'
rm -f "$program/Benutzer/Anna_F.qob" && mkdir "$program/Benutzer/Anna_F.qob" && touch "$run/go"
finish
copy=$run/home/.local/share/qor/Anna_F.qob
check '[ "$status" -eq 0 ]' 'exit $status: $(cat "$run/output")'
check '[ "$(records "$copy")" -ge 2 ]' 'no recovery copy with the answers'

fresh record-copy-signal
start answered.script
check 'when_ready' 'the script did not get to its answers: $(cat "$run/output")'
rm -f "$program/Benutzer/Anna_F.qob" && mkdir "$program/Benutzer/Anna_F.qob"
kill -TERM "$pid"
finish
check '[ "$(records "$run/home/.local/share/qor/Anna_F.qob")" -ge 2 ]' 'no recovery copy after SIGTERM'
rm -rf "$program/Benutzer/Anna_F.qob"
run_script next-start.script
check '[ "$status" -eq 0 ]' 'the next start did not name the copy: $(cat "$run/output")'

echo "end_e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
