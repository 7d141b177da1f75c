#!/usr/bin/env bash
# Builds the 32-bit Windows program and starts it (under Wine off Windows).
# Until the window exists, it runs the command-line tool on one of Wine's own
# modules and shows what it found.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)" >/dev/null

run() { cmake/wine-run.sh "$PWD/build/win32/wineprefix" "$@"; }
module=$(dpkg -L libwine:i386 | grep -m1 '/i386-windows/shell32\.dll$')
out=build/win32/shell32-icons
echo "iconextract count $module:"
run build/win32/cli/iconextract.exe count "Z:$module"
run build/win32/cli/iconextract.exe ico "Z:$module" "Z:$PWD/$out"
echo "The icon files are in $out:"
ls "$out" | sort -n | head -n 5
echo "..."
