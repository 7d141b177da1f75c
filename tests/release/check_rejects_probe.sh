#!/bin/sh
# The program check must refuse a program that needs the MinGW runtime DLLs
# and has no resources, and name each fault:
#   check_rejects_probe.sh OBJDUMP WRESTOOL PROBE.exe VERSION
here=$(dirname "$0")
if report=$(sh "$here/check_program.sh" "$@"); then
  echo "accepted: $report"
  exit 1
fi
missing=0
for fault in "imports libstdc++-6.dll" "imports libgcc_s_" "imports libwinpthread-1.dll" \
             "no RT_ICON" "no RT_GROUP_ICON" "no RT_VERSION" "no RT_MANIFEST"; do
  printf '%s\n' "$report" | grep -qF "$fault" || { echo "not reported: $fault"; missing=1; }
done
[ "$missing" -eq 0 ] || { printf '%s\n' "$report"; exit 1; }
echo "refused, with every fault named"
