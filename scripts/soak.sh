#!/bin/sh
# The soak run: one launcher under Wine driven through ROUNDS rounds (default
# 1000) of typing, saving, option changes, radio clicks and page switches;
# prints handles, GDI objects and memory after the first rounds and at the
# end, and the rounds per second. Uses the tests' Wine world: do not run it
# while the win64 tests run.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
sh scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target soak launcher
sh scripts/wine-env.sh up build/win64/wine
cd build/win64/bin
exec ./../wine-run.sh soak.exe "${1:-1000}"
