#!/usr/bin/env bash
# Installs what building, running and testing need on a Debian machine, as root.
# Does nothing when everything is there already.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  googletest libbenchmark-dev        # tests and benchmarks (GoogleTest is built from source)
  clang libclang-rt-14-dev           # libFuzzer and the sanitizers
  libpng-dev zlib1g-dev              # PNG images on Linux
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine32:i386 wine64 libwine:i386 libwine:amd64   # Windows programs and Wine's own modules
  xvfb imagemagick icoutils hyperfine   # window tests, screenshots; wrestool as a reference; timing
  fonts-wqy-microhei                    # Chinese texts under Wine (linked in by scripts/screenshot.sh)
  zip                                   # the release archive (scripts/release.sh)
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: these packages are missing; run as root to install them: ${missing[*]}" >&2
  exit 1
fi
echo "install-deps: installing ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
