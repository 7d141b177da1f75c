#!/usr/bin/env bash
# Builds the 32-bit Windows program and starts it (under Wine off Windows).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)" --target IconExtractor >/dev/null
exec cmake/wine-run.sh "$PWD/build/win32/wineprefix" build/win32/app/IconExtractor.exe
