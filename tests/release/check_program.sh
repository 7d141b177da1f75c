#!/bin/sh
# Checks that a built Windows program can be handed out alone:
#   check_program.sh OBJDUMP WRESTOOL PROGRAM.exe VERSION
# every DLL it imports ships with Windows (no MinGW runtime DLL has to lie
# beside it), and it carries an icon, version information naming VERSION and a
# manifest that runs it as the invoker. Prints every fault; exits 1 if any.
objdump="$1" wrestool="$2" program="$3" version="$4"
faults=0
fault() { echo "$program: $*"; faults=$((faults + 1)); }

# The DLLs of Windows itself that these programs may use; names in lower case.
is_system_dll() {
  case "$1" in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | comdlg32.dll | shell32.dll | \
    ole32.dll | oleaut32.dll | shlwapi.dll | advapi32.dll | windowscodecs.dll | uxtheme.dll | \
    msvcrt.dll | ucrtbase.dll | api-ms-win-crt-*.dll) return 0 ;;
    *) return 1 ;;
  esac
}

dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || fault "no imported DLLs found"
for dll in $dlls; do
  is_system_dll "$dll" || fault "imports $dll, which does not ship with Windows"
done

# wrestool -l prints one line per resource, its type as --type=N.
types=$("$wrestool" -l "$program" 2>/dev/null)
has_type() { printf '%s\n' "$types" | grep -q -- "--type=$1 "; }
has_type 3 || fault "no RT_ICON resource"
has_type 14 || fault "no RT_GROUP_ICON resource"
has_type 16 || fault "no RT_VERSION resource"
has_type 24 || fault "no RT_MANIFEST resource"

if has_type 16; then
  # The version block's texts are UTF-16; each value follows its name.
  product_version=$("$wrestool" -x --type=16 --raw "$program" | strings -el -n 1 | sed -n '/^ProductVersion$/{n;p;}')
  [ "$product_version" = "$version" ] || fault "ProductVersion is '$product_version', not '$version'"
fi
if has_type 24; then
  "$wrestool" -x --type=24 --raw "$program" | grep -q 'requestedExecutionLevel level="asInvoker"' ||
    fault "the manifest does not run the program as the invoker"
fi

[ "$faults" -eq 0 ] || exit 1
echo "$program: imports only system DLLs ($(echo $dlls)); has icon, version $version and manifest"
