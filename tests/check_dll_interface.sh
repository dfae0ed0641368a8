#!/usr/bin/env bash
# Checks the built DLL's binary interface from outside: its module name, exactly the
# eight undecorated exports, and imports limited to DLLs that every Windows ships.
set -u
export LC_ALL=C
dll=$1
dump=$(i686-w64-mingw32-objdump -p "$dll") || { echo "cannot read $dll"; exit 1; }
status=0

name=$(awk '/^Name /{print $NF}' <<<"$dump")
[ "$name" = "brakewater.dll" ] || { echo "module name: expected brakewater.dll, got '$name'"; status=1; }

expected="Create_Script DllMain SSGM_Check_Version SSGM_Level_Loaded_Hook SSGM_Plugin_Load SSGM_Plugin_Unload Set_Request_Destroy_Func Set_Script_Commands"
exports=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" | awk '/^\t\[/{print $NF}' | sort | xargs)
[ "$exports" = "$expected" ] || { echo "exports: expected '$expected', got '$exports'"; status=1; }

imports=$(awk '/DLL Name:/{print tolower($3)}' <<<"$dump" | sort | xargs)
for import in $imports; do
  case "$import" in
    kernel32.dll|user32.dll|msvcrt.dll) ;;
    *) echo "imports $import, which a server does not have"; status=1 ;;
  esac
done
[ $status -eq 0 ] && echo "brakewater.dll: module name, 8 exports and imports ($imports) as required"
exit $status
