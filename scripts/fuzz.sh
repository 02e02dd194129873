#!/bin/sh
# Builds the libFuzzer targets (preset "fuzz") and runs one or all of them
# for a bounded time each. A target's working corpus grows in
# build/fuzz/corpus/<target>, seeded from tests/fuzz/seeds/<target>; inputs
# that crash land in build/fuzz/artifacts/<target>/, full output in
# build/fuzz/logs/<target>.log. Exits non-zero when any target crashed.
#
#   scripts/fuzz.sh [TARGET|all] [SECONDS]     (defaults: all, 60)
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
WHICH=${1:-all}
RUN_SECONDS=${2:-60}
LIST=tests/fuzz/fuzzers.txt
OUT=build/fuzz

# The target names and their own options, from the list CMake also reads.
names=$(awk '/^[a-z]/ { print $1 }' "$LIST")
options_of() { awk -v n="$1" '$1 == n { $1 = ""; print }' "$LIST"; }

if [ "$WHICH" != all ]; then
    echo "$names" | grep -qx "$WHICH" || {
        echo "fuzz: no target '$WHICH'; targets:" $names >&2
        exit 2
    }
    names=$WHICH
fi

sh scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

crashed=""
for name in $names; do
    corpus="$OUT/corpus/$name"
    artifacts="$OUT/artifacts/$name"
    log="$OUT/logs/$name.log"
    mkdir -p "$corpus" "$artifacts" "$OUT/logs"
    cp -n "tests/fuzz/seeds/$name"/* "$corpus"/
    echo "fuzz: $name for $RUN_SECONDS s"
    # The options are a list of words: left unquoted on purpose.
    if "$OUT/bin/fuzz_$name" -max_total_time="$RUN_SECONDS" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" $(options_of "$name") "$corpus" >"$log" 2>&1; then
        result="no crash"
    else
        result="CRASHED, $(grep -o 'Test unit written to .*' "$log" | tail -n1)"
        crashed="$crashed $name"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
    echo "fuzz: $name: ${runs:-?} executions, $result, corpus $(ls "$corpus" | wc -l) files"
done

if [ -n "$crashed" ]; then
    echo "fuzz: crashed:$crashed (logs in $OUT/logs)" >&2
    exit 1
fi
echo "fuzz: no crash"
