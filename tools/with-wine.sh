#!/usr/bin/env bash
# Runs a command with one persistent Wine server for all the Windows processes it starts,
# and stops the server afterwards.
set -uo pipefail
mkdir -p "$WINEPREFIX"
wineserver -p
# Start Wine's own background services now, detached from the command's output: started
# by a test program, they would inherit its pipe and keep the test runner waiting.
wineboot -u </dev/null >/dev/null 2>&1
"$@"
status=$?
wineserver -k 2>/dev/null
exit $status
