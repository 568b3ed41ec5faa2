#!/usr/bin/env bash
# Installs the build into an empty prefix and checks what a desktop needs of it: the
# program, a valid menu entry that opens object lists, their MIME type (by name and by
# the first line) and the icon the entry names.
# Usage: installation.sh <cmake> <build folder>
set -euo pipefail
cmake=$1
bau=$2
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT

"$cmake" --install "$bau" --prefix "$ziel" > /dev/null

eintrag="$ziel/share/applications/orbisto.desktop"
desktop-file-validate "$eintrag"
wert() { sed -n "s/^$1=//p" "$eintrag"; }
programm=$(wert Exec | cut -d' ' -f1)
[ -x "$ziel/bin/$programm" ] || { echo "Exec names $programm, not installed in bin"; exit 1; }
"$ziel/bin/$programm" --version | grep -q '^Orbisto [0-9]' || { echo "the installed program does not run"; exit 1; }
[ -f "$ziel/share/icons/hicolor/scalable/apps/$(wert Icon).svg" ] || { echo "no icon named $(wert Icon)"; exit 1; }

# The database built from the installed package must know the type the entry opens.
typ=$(wert MimeType | tr -d ';')
update-mime-database "$ziel/share/mime"
grep -q "^[0-9]*:$typ:\*\.o3d$" "$ziel/share/mime/globs2" || { echo "$typ has no glob *.o3d"; exit 1; }
grep -a -q "^\[[0-9]*:$typ\]$" "$ziel/share/mime/magic" || { echo "$typ has no magic"; exit 1; }
grep -a -q "Objektliste zu Orbisto" "$ziel/share/mime/magic" || { echo "magic without the header line"; exit 1; }

echo "installation test passed"
