#!/bin/sh
# Runs a Windows program under Wine in the given prefix, quietly:
#   wine-run.sh PREFIX PROGRAM.exe ARGS...
# The prefix is made on first use; a lock keeps parallel tests from making it twice.
prefix="$1"; shift
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$prefix"
  flock "$prefix/.init-lock" sh -c '[ -f "$WINEPREFIX/system.reg" ] || { wineboot --init && wineserver -w; }' >/dev/null 2>&1
fi
exec wine "$@"
