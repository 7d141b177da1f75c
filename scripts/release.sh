#!/usr/bin/env bash
# Builds the release a user downloads: the 32- and 64-bit Windows builds in
# Release mode, checked (system DLLs only; icon, version and manifest; both
# programs start alone in a fresh folder under Wine), then gathered with the
# user guide into build/release/IconExtractor-VERSION/ and a zip of it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
for preset in win32 win64; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs" \
    --target IconExtractor iconextract runtime_dll_probe release_start_tests >/dev/null
  ctest --preset "$preset" -L release
done

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win32/CMakeCache.txt)
name="IconExtractor-$version"
out=build/release/$name
rm -rf build/release
mkdir -p "$out"
cp build/win32/app/IconExtractor.exe "$out/IconExtractor.exe"      # the one for any Windows
cp build/win64/app/IconExtractor.exe "$out/IconExtractor-x64.exe"
cp build/win32/cli/iconextract.exe "$out/iconextract.exe"
cp docs/user-guide.md docs/screenshot.png "$out/"
(cd build/release && zip -q -r -X "$name.zip" "$name")

echo "== release $version"
ls -l "$out"
ls -l "build/release/$name.zip"
