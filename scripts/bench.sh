#!/bin/sh
# Builds the benchmark programs (x86_64 release, build/win64) and runs them
# under Wine in the tests' Wine world, printing their figures:
#   bench.sh [STARTS [ROUNDS]]
# STARTS: launcher starts to time (default 20); ROUNDS: saves and appends to
# time (default 500). Each figure comes beside a baseline measured in the same
# run; read the ratios, since the machine's speed varies from run to run.
# Do not run it while the win64 tests run: both would share one Wine desktop.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
sh scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target launcher minimal_window startup_bench stores_bench

WORLD="$ROOT/build/win64/wine"
# Leave the Wine world running if it ran before; otherwise end it afterwards.
was_up=0
[ -f "$WORLD/xvfb.pid" ] && kill -0 "$(cat "$WORLD/xvfb.pid")" 2>/dev/null && was_up=1
sh scripts/wine-env.sh up "$WORLD"
. "$WORLD/env"
status=0
cd "$ROOT/build/win64/bin"
/usr/lib/wine/wine64 startup_bench.exe "${1:-20}" || status=$?
echo
/usr/lib/wine/wine64 stores_bench.exe "${2:-500}" || status=$?
[ "$was_up" = 1 ] || sh "$ROOT/scripts/wine-env.sh" down "$WORLD"
exit $status
