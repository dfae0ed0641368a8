#!/usr/bin/env bash
# Runs the benchmark program in the simulated server, then reports the DLL's stripped size
# and its imports.
set -euo pipefail
build=$1
wine "$build/bench.exe"
stripped=$(mktemp --suffix=.dll)
trap 'rm -f "$stripped"' EXIT
i686-w64-mingw32-strip -o "$stripped" "$build/brakewater.dll"
echo "stripped brakewater.dll: $(stat -c %s "$stripped") bytes"
echo "imports: $(i686-w64-mingw32-objdump -p "$stripped" | awk '/DLL Name:/{print $3}' | xargs)"
