#!/usr/bin/env bash
# Times, side by side on Wine's shell32.dll (184 icon groups):
#   iconextract ico            against wrestool -x --type=14 (icoutils),
#   cp -r of its own output    the floor for writing those bytes,
# and any further iconextract commands given as arguments (e.g. bmp).
# Usage: bench/cli_speed.sh [BUILD_DIR] [COMMAND...]   (BUILD_DIR defaults to build/linux)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/linux}
shift || true
tool="$build/cli/iconextract"
module=$(dpkg -L libwine:i386 | grep -m1 '/i386-windows/shell32\.dll$')
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$tool" ico "$module" "$work/ours" >/dev/null
echo "shell32.dll: $(du -sb "$module" | cut -f1) bytes; icon files written: $(du -sb "$work/ours" | cut -f1) bytes in $(ls "$work/ours" | wc -l) files"

commands=(
  -n "iconextract ico" "rm -rf $work/a && $tool ico $module $work/a"
  -n "wrestool -x --type=14" "rm -rf $work/b && mkdir $work/b && wrestool -x --type=14 -o $work/b $module"
  -n "cp -r (floor)" "rm -rf $work/c && cp -r $work/ours $work/c"
)
for extra in "$@"; do
  commands+=(-n "iconextract $extra" "rm -rf $work/d && $tool $extra $module $work/d")
done
hyperfine --warmup 3 --min-runs 20 --style basic --export-markdown "$work/table.md" "${commands[@]}" >/dev/null
cat "$work/table.md"
