#!/usr/bin/env bash
# Starts the trainer headless on program folders made here and checks what it says and writes:
# the refusals, the silent end, the ini warnings, the defaults it writes, the shortcut request.
#   startup_e2e.sh QOR_EXECUTABLE PAGEPACK
set -u
qor_binary=$1
pagepack=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0

fail() { echo "FAIL [$scenario]: $*"; failed=$((failed + 1)); }
pass() { passed=$((passed + 1)); }

# make_program DIR: a complete installation in DIR.
make_program() {
  local dir=$1
  mkdir -p "$dir/hqor" "$dir/Vokabeln (F)/Grundwortschatz" "$dir/wave" "$dir/Benutzer"
  printf '<TITLE>Start</TITLE>Hallo\r\n' > "$dir/hqor/main.src"
  "$pagepack" pack "$dir/hqor/main.src" "$dir/hqor/main.htx"
  : > "$dir/empty.src"
  for f in f_d.qor d_f.qor f_w.qor; do "$pagepack" pack "$dir/empty.src" "$dir/$f"; done
  touch "$dir/wave/QOR_F"
  cp "$qor_binary" "$dir/qor"
}

# run_qor DIR SCREEN [ANSWERS] [ARGS...]: runs the copy in DIR with its own settings folder and home.
run_qor() {
  local dir=$1 screen=$2 answers=${3:-}
  shift 3 || shift $#
  printf '%s\n' $answers > "$dir/answers.txt"
  rm -f "$dir/messages.log"
  mkdir -p "$dir/home" "$dir/config"
  HOME="$dir/home" XDG_DATA_HOME="$dir/home/.local/share" XDG_CONFIG_HOME="$dir/home/.config" \
    QOR_CONFIG_DIR="$dir/config" QOR_SCREEN="$screen" QOR_DRIVE_ROOTS="$dir/nodrive" \
    QOR_MESSAGE_SCRIPT="$dir/answers.txt" QOR_MESSAGE_LOG="$dir/messages.log" \
    timeout 60 "$dir/qor" --exit-after-start "$@" >"$dir/stdout.txt" 2>&1
  status=$?
  touch "$dir/messages.log"
}

expect_status() { [ "$status" -eq "$1" ] && pass || fail "exit status $status, expected $1"; }
expect_message() { grep -qF -- "$1" "$dir/messages.log" && pass || { fail "no message containing '$1'"; cat "$dir/messages.log"; }; }
expect_no_messages() { [ ! -s "$dir/messages.log" ] && pass || { fail "unexpected messages:"; cat "$dir/messages.log"; }; }
expect_file_line() { grep -qF -- "$2" "$1" 2>/dev/null && pass || fail "$1 lacks '$2'"; }

scenario="too few colours"
dir=$scratch/colours; make_program "$dir"; run_qor "$dir" 1024x768x8 ""
expect_status 1; expect_message "16|*qor französisch|Nicht genug Farben!"

scenario="screen too small"
dir=$scratch/small; make_program "$dir"; run_qor "$dir" 799x600x24 ""
expect_status 1; expect_message "16|*qor französisch|Zu geringe Auflösung!"

scenario="incomplete installation"
dir=$scratch/incomplete; make_program "$dir"; rm "$dir/hqor/main.htx"; run_qor "$dir" 800x600x24 ""
expect_status 1; expect_message "*qor französisch kann nicht gestartet werden!\\nDie Installation ist unvollständig."

scenario="no vocabulary folder"
dir=$scratch/novocab; make_program "$dir"; rm -r "$dir/Vokabeln (F)"; run_qor "$dir" 800x600x24 ""
expect_status 1; expect_message "Die Installation ist unvollständig."

scenario="recording index missing"
dir=$scratch/nodata; make_program "$dir"; rm "$dir/f_w.qor"; run_qor "$dir" 800x600x24 ""
expect_status 1; expect_no_messages

scenario="normal start without an ini"
dir=$scratch/normal; make_program "$dir"; run_qor "$dir" 800x600x24 ""
expect_status 0; expect_no_messages
[ ! -e "$dir/qor.ini" ] && pass || fail "qor.ini created although there was none"
expect_file_line "$dir/config/local-machine.reg" "Online-Hilfe"

scenario="missing write protection is written as 0"
dir=$scratch/schreibschutz; make_program "$dir"
printf '[*qor]\r\nBenutzer-Verzeichnis=\r\n' > "$dir/qor.ini"
run_qor "$dir" 800x600x24 ""
expect_status 0; expect_no_messages
expect_file_line "$dir/qor.ini" "Schreibschutz=0"

scenario="ini folders missing"
dir=$scratch/warnings; make_program "$dir"
printf '[*qor]\r\nBenutzer-Verzeichnis=/nowhere/users\r\n[qor franz\xf6sisch]\r\nWave-Verzeichnis=/nowhere/wave/\r\nAufnahmen Recht=/nowhere/recht\r\n' > "$dir/qor.ini"
run_qor "$dir" 1024x768x32 ""
expect_status 0
expect_message "Das Benutzer-Verzeichnis /nowhere/users wurde nicht gefunden!"
expect_message "Das Wave-Verzeichnis /nowhere/wave/ wurde nicht gefunden!"
expect_message "Das Verzeichnis für die RECHT-Sprachaufnahmen /nowhere/recht wurde nicht gefunden!"

scenario="write protection kept"
dir=$scratch/protected; make_program "$dir"
printf '[*qor]\r\nSchreibschutz=1\r\n' > "$dir/qor.ini"
run_qor "$dir" 800x600x24 ""
expect_status 0; expect_file_line "$dir/qor.ini" "Schreibschutz=1"

scenario="shortcut request from the ini"
dir=$scratch/register; make_program "$dir"
printf '[qor franz\xf6sisch]\r\nRegister=1\r\n' > "$dir/qor.ini"
mkdir -p "$dir/home/Desktop"
run_qor "$dir" 800x600x24 "Yes"
expect_status 0
expect_message "36|*qor französisch|Soll eine Verknüpfung mit qor französisch auf dem Desktop erzeugt werden?"
expect_file_line "$dir/qor.ini" "Register=0"
expect_file_line "$dir/home/Desktop/qor französisch.desktop" "Exec="
expect_file_line "$dir/home/.local/share/applications/qor französisch.desktop" "Name=qor französisch"

scenario="REGISTER in capitals asks nothing"
dir=$scratch/capitals; make_program "$dir"; run_qor "$dir" 800x600x24 "" REGISTER
expect_status 0; expect_no_messages

scenario="register argument, desktop declined"
dir=$scratch/declined; make_program "$dir"; mkdir -p "$dir/home/Desktop"
run_qor "$dir" 800x600x24 "No" register
expect_status 0
expect_message "Soll eine Verknüpfung"
[ ! -e "$dir/home/Desktop/qor französisch.desktop" ] && pass || fail "desktop link made after No"
expect_file_line "$dir/home/.local/share/applications/qor französisch.desktop" "Type=Application"

scenario="the main page is shown"
dir=$scratch/shown; make_program "$dir"
run_qor "$dir" 800x600x24 "" --screenshot "$dir/main.png"
expect_status 0; expect_no_messages
head -c 8 "$dir/main.png" 2>/dev/null | od -An -tx1 | grep -q "89 50 4e 47 0d 0a 1a 0a" && pass || fail "no PNG screenshot"
[ "$(stat -c %s "$dir/main.png" 2>/dev/null || echo 0)" -gt 1000 ] && pass || fail "screenshot too small"

scenario="editor mode"
dir=$scratch/editor; make_program "$dir"; run_qor "$dir" 800x600x24 "" EDITOR
expect_status 0; expect_no_messages

echo "startup e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
