#!/usr/bin/env bash
# check-imports.sh EXE: fails when the program imports a function that
# app/allowed-imports.txt doesn't list.  Every function there exists on the
# oldest Windows the release is said to run on (Windows 7 SP1), so a new
# import is a conscious choice: a newer function is loaded with GetProcAddress
# and has a fallback instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$1
allowed="$root/app/allowed-imports.txt"
# An import row is the thunk's address, the hint, the name; binutils 2.40
# (Debian 12) prints "\t1376c\t  143  CloseHandle"; 2.44 (Debian 13) adds an
# ordinal column and prints the hint in hex: "\t00013390  <none>  008f  CloseHandle".
imports=$(i686-w64-mingw32-objdump -p "$exe" |
  awk '/^\tDLL Name:/ {dll = toupper($3)}
       /^\t[0-9a-f]+[\t ]+(<[a-z]+>[\t ]+)?[0-9a-f]+[\t ]+[A-Za-z_][A-Za-z0-9_@]*$/ {print dll "!" $NF}' |
  sort -u)
[ -n "$imports" ] || { echo "check-imports: no imports read from $exe" >&2; exit 1; }
unlisted=$(comm -23 <(echo "$imports") <(grep -v '^#' "$allowed" | sed '/^$/d' | sort -u))
if [ -n "$unlisted" ]; then
  echo "check-imports: $exe imports functions app/allowed-imports.txt doesn't allow:" >&2
  echo "$unlisted" | sed 's/^/  /' >&2
  exit 1
fi
echo "check-imports: $(echo "$imports" | wc -l) imported functions, all allowed"
