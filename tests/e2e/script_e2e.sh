#!/usr/bin/env bash
# Drives the trainer headless with the script driver on a small program folder made here: links,
# history, commands, a gap exercise, drag words, sentence building, multiple choice and an
# exercise series. Each scenario is one script; the driver's exit code and message are checked.
#   script_e2e.sh QOR_EXECUTABLE PAGEPACK
set -u
qor_binary=$1
pagepack=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0
program=$scratch/program

fail() { echo "FAIL [$scenario]: $*"; failed=$((failed + 1)); }
pass() { passed=$((passed + 1)); }

# page NAME: the page source from standard input, packed into hqor/NAME.
page() {
  mkdir -p "$(dirname "$program/hqor/$1")"
  cat > "$scratch/page.src"
  "$pagepack" pack "$scratch/page.src" "$program/hqor/$1"
}

mkdir -p "$program/hqor" "$program/Vokabeln (F)/Grundwortschatz" "$program/wave" "$program/Benutzer"
: > "$scratch/empty.src"
for f in f_d.qor d_f.qor f_w.qor; do "$pagepack" pack "$scratch/empty.src" "$program/$f"; done
touch "$program/wave/QOR_F"
cp "$qor_binary" "$program/qor"

page main.htx <<'PAGE'
<TITLE>Start</TITLE>
<A HREF="seite2.htx@Weiter zur Seite 2">Zur Seite zwei</A><BR>
<A HREF="lücken.htx">Lückentext</A><BR>
<A HREF="klotz.htx">Wörter ziehen</A><BR>
<A HREF="satz.htx">Satzbau</A><BR>
<A HREF="wahl.htx">Auswahl</A><BR>
<A HREF="EX PICK=2 FILE=reihe.qor WEITER=ende.htx">Serie</A><BR>
<A HREF="§[gws]seite2.htx">Grundwortschatz</A><BR>
<CHECKBOX COORDS="14,8" NAME="agb">AGB <A HREF="+agb">gelesen</A><BR>
<A HREF="kaputt.htx">Kaputt</A><BR>
<A HREF="END">Beenden</A>
PAGE
page seite2.htx <<'PAGE'
<TITLE>Seite 2</TITLE>
Hier ist Seite 2. <A HREF="-">Zurück</A> <A HREF="main.htx">Start</A>
PAGE
page lücken.htx <<'PAGE'
<TITLE>Lücken</TITLE>
1. <A GAP lsg="le" help="*" reaction="richtig.htx">le</A> chat<BR>
PAGE
page richtig.htx <<'PAGE'
<TITLE>Richtig</TITLE>
Sehr gut! <A HREF="main.htx">Start</A>
PAGE
page klotz.htx <<'PAGE'
<TITLE>Klötze</TITLE>
<KLOTZ Y=300>
<A DRAG>le</A> chat et <A DRAG>la</A> souris<BR>
<A HREF="main.htx">Start</A>
PAGE
page satz.htx <<'PAGE'
<TITLE>Satz</TITLE>
<SATZ TEILE="Je/ne/suis/pas/content" COORDS="40,200,600,30">
<A HREF="main.htx">Start</A>
PAGE
page wahl.htx <<'PAGE'
<TITLE>Wahl</TITLE>
<MULTIPLE COORDS="100,200,300,44" DIM="2,1" TXT="le|la" REACTION="lab">
PAGE
page laborergebnis.htx <<'PAGE'
<TITLE>Ergebnis</TITLE>
$[LabErgebnis] <A HREF="-">Zurück</A>
PAGE
page ende.htx <<'PAGE'
<TITLE>Ende der Serie</TITLE>
Fertig. <A HREF="main.htx">Start</A>
PAGE
cat > "$scratch/reihe.src" <<'PAGE'
QOR!02
<TITLE>Serie</TITLE>
<EX>Frage eins <A HREF="EX">Nächste</A> <A HREF="+">Aufhören</A>
<EX>Frage zwei <A HREF="EX">Nächste</A> <A HREF="+">Aufhören</A>
</EX>
PAGE
"$pagepack" store "$scratch/reihe.src" "$program/hqor/reihe.qor"

# run_script NAME: runs the script from standard input; sets status and output.
run_script() {
  scenario=$1
  cat > "$scratch/$1.script"
  mkdir -p "$scratch/home" "$scratch/config"
  output=$(cd "$scratch" && HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/.local/share" \
    XDG_CONFIG_HOME="$scratch/home/.config" QOR_CONFIG_DIR="$scratch/config" QOR_SCREEN=1024x768x24 \
    QOR_DRIVE_ROOTS="$scratch/nodrive" timeout 120 "$program/qor" --script "$1.script" 2>&1)
  status=$?
}
expect_ok() { [ "$status" -eq 0 ] && pass || fail "exit $status: $output"; }
expect_failure() {
  [ "$status" -eq 1 ] && pass || fail "exit $status, expected 1: $output"
  grep -qF -- "$1" <<<"$output" && pass || fail "output lacks '$1': $output"
}

run_script links <<'SCRIPT'
expect-page main.htx
expect-title Start
expect-condition f
click-link Zur Seite zwei
expect-page seite2.htx
expect-title Seite 2
click-link Zurück
expect-page main.htx
click-link Grundwortschatz
expect-page seite2.htx
click-link Start
click-link Kaputt
expect-message kaputt.htx" wurde nicht gefunden!
expect-page main.htx
SCRIPT
expect_ok

run_script checkbox <<'SCRIPT'
expect-no-condition agb
click-link gelesen
expect-condition agb
click-link gelesen
expect-no-condition agb
SCRIPT
expect_ok

run_script gap <<'SCRIPT'
click-link Lückentext
expect-page lücken.htx
click-gap 1
type le
key Return
wait 100
expect-page richtig.htx
SCRIPT
expect_ok

run_script drag <<'SCRIPT'
click-link Wörter ziehen
expect-page klotz.htx
drag-block le
drag-block la
wait 2500
expect-page klotz.htx
SCRIPT
expect_ok

run_script sentence <<'SCRIPT'
click-link Satzbau
build-sentence 1
SCRIPT
expect_ok

run_script choice <<'SCRIPT'
click-link Auswahl
choose le
expect-page laborergebnis.htx
expect-macro LabErgebnis Sehr schön!
SCRIPT
expect_ok

run_script series <<'SCRIPT'
click-link Serie
expect-title Serie
click-link Nächste
expect-title Serie
click-link Aufhören
expect-page ende.htx
SCRIPT
expect_ok

run_script commands <<'SCRIPT'
command lab-
expect-page laborergebnis.htx
expect-macro LabErgebnis Leider daneben!
command #nur ein Kommentar
expect-page laborergebnis.htx
SCRIPT
expect_ok

scenario="a failed expectation stops the script"
run_script failing <<'SCRIPT'
expect-page seite2.htx
click-link Zur Seite zwei
SCRIPT
expect_failure "failing.script:1: expect-page seite2.htx: the page is 'main.htx'"

run_script malformed <<'SCRIPT'
click 10
SCRIPT
[ "$status" -eq 2 ] && pass || fail "exit $status, expected 2: $output"

# The same program on a real X server (Xvfb), when there is one to start: the window system's
# own event delivery, focus and painting instead of the offscreen platform.
if command -v xvfb-run >/dev/null 2>&1; then
  scenario="under Xvfb"
  cat > "$scratch/xvfb.script" <<'SCRIPT'
expect-page main.htx
click-link Zur Seite zwei
expect-page seite2.htx
key Tab
click-link Zurück
click-link Lückentext
click-gap 1
type le
key Return
wait 100
expect-page richtig.htx
screenshot xvfb.png
SCRIPT
  output=$(cd "$scratch" && QT_QPA_PLATFORM=xcb HOME="$scratch/home" QOR_CONFIG_DIR="$scratch/config" \
    QOR_SCREEN=1024x768x24 QOR_DRIVE_ROOTS="$scratch/nodrive" \
    timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" "$program/qor" --script xvfb.script 2>&1)
  status=$?
  expect_ok
  [ -s "$scratch/xvfb.png" ] && pass || fail "no screenshot from the X server"
fi

echo "script_e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
