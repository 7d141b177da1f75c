#!/usr/bin/env bash
# Takes docs/screenshot.png: the program under Wine and Xvfb with Wine's own
# shell32.dll loaded, in a Wine prefix of its own that has a virtual desktop
# (so Wine draws the title bar) and the CJK font of fonts-wqy-microhei linked for the Chinese texts.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build --preset win32 --target program_driver_tests >/dev/null
prefix="$PWD/build/win32/screenshot-prefix"
export WINE_MODULES_I386
WINE_MODULES_I386=$(dirname "$(dpkg -L libwine:i386 | grep -m1 '/i386-windows/shell32\.dll$')")
shot="$PWD/build/win32/screen.png"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  run() { cmake/wine-run.sh '"$prefix"' "$@"; }
  run reg add "HKCU\\Software\\Wine\\Explorer" /v Desktop /d Default /f >/dev/null
  run reg add "HKCU\\Software\\Wine\\Explorer\\Desktops" /v Default /d 1024x768 /f >/dev/null
  for face in Tahoma "MS Shell Dlg" "Microsoft Sans Serif" Arial "Times New Roman" "Liberation Sans" "DejaVu Sans"; do
    run reg add "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink" \
      /v "$face" /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei" /f >/dev/null
  done
  WINEPREFIX='"$prefix"' wineserver -w  # the desktop setting takes effect at the next start
  ICONS_SCREENSHOT='"$shot"' run build/win32/tests/program_driver_tests.exe --gtest_filter="*Browse*"
'
mkdir -p docs
# The window stands centred on the 1024x768 desktop.
# The window stands centred on the 1024x768 desktop.
convert "$shot" -crop 603x319+210+224 +repage docs/screenshot.png
echo "docs/screenshot.png"
