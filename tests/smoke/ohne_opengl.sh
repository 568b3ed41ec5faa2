#!/usr/bin/env bash
# Starts the real program on the X server in DISPLAY with Qt's OpenGL integration switched
# off, as on a machine without any OpenGL: it must say so in one box and end cleanly when
# the box is closed, never crash. Usage: ohne_opengl.sh <program>
set -euo pipefail
programm=$1

QT_XCB_GL_INTEGRATION=none "$programm" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

box=$(timeout 30 xdotool search --sync --onlyvisible --name '^Orbisto$' | head -n 1)
[ -n "$box" ] || { echo "no box captioned Orbisto"; exit 1; }
sleep 1
kill -0 $pid || { echo "the program ended before the box was closed"; exit 1; }
xdotool windowfocus --sync "$box" key Return

status=0
timeout 10 tail --pid=$pid -f /dev/null || { echo "the program did not end after the box"; exit 1; }
wait $pid || status=$?
[ "$status" -eq 1 ] || { echo "exit status $status, expected 1 (139 is a crash)"; exit 1; }
echo "no OpenGL: one box, clean end"
