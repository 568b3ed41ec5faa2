#!/usr/bin/env bash
# Starts the real program on Qt's offscreen platform while an X display is set: that
# platform cannot hold the OpenGL view, and nobody would see a box on it. The program must
# say why on stderr, in German, and end with status 1 — never crash, never wait for ever.
# Usage: offscreen.sh <program>
set -uo pipefail
programm=$1

fehler=$(QT_QPA_PLATFORM=offscreen timeout 30 "$programm" 2>&1 >/dev/null)
status=$?
[ "$status" -ne 124 ] || { echo "the program did not end within 30 s"; exit 1; }
[ "$status" -eq 1 ] || { echo "exit status $status, expected 1 (139 is a crash)"; echo "$fehler"; exit 1; }
grep -q "offscreen“ kann keine OpenGL-Grafik in einem Fenster zeigen" <<<"$fehler" ||
    { echo "no German reason on stderr:"; echo "$fehler"; exit 1; }
echo "offscreen platform: German reason, clean end"
