#!/usr/bin/env bash
# Builds the 32-bit Windows program and starts it (under Wine off Windows).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)" --target IconExtractor >/dev/null
run=(cmake/wine-run.sh "$PWD/build/win32/wineprefix" build/win32/app/IconExtractor.exe)
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && "$(uname -s)" == Linux ]]; then
  # No screen here (a server, CI): the program still runs, on a virtual one.
  echo "start.sh: no display; starting the program on a virtual screen (xvfb-run). Close it with Ctrl+C." >&2
  exec xvfb-run -a -s "-screen 0 1024x768x24" "${run[@]}"
fi
exec "${run[@]}"
