#!/bin/sh
# Shows that a release is reproducible: clones the committed state (HEAD; changes
# not yet committed are not part of the check) twice, into two temporary folders
# of different names, runs scripts/release.sh in each and compares the two zips
# and the two builds of each exe byte for byte. Prints the hashes; exits non-zero
# when anything differs, naming the file and where its first differing bytes lie.
#
#   scripts/check-reproducible.sh [CMAKE-ARGS...]   (passed on to release.sh)
#
# Each clone builds its own libjpeg through scripts/setup.sh, so nothing built
# in this checkout is shared with the two builds.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$ROOT" rev-parse HEAD)
if [ -n "$(git -C "$ROOT" status --porcelain --untracked-files=no)" ]; then
    echo "check-reproducible: note: uncommitted changes in $ROOT are not checked" >&2
fi

ONE=$(mktemp -d /tmp/moyu-repro-one.XXXXXX)
TWO=$(mktemp -d /tmp/moyu-reproducible-second.XXXXXX)
trap 'rm -rf "$ONE" "$TWO"' EXIT
trap 'exit 130' INT TERM

started=$(date +%s)
build() { # build FOLDER CHECKOUT-NAME CMAKE-ARGS...
    folder=$1 src="$1/$2"
    shift 2
    git clone -q --no-hardlinks "$ROOT" "$src"
    git -C "$src" -c advice.detachedHead=false checkout -q "$commit"
    echo "check-reproducible: building $commit in $src"
    if ! sh "$src/scripts/release.sh" "$folder/out" "$@" > "$folder/release.log" 2>&1; then
        tail -n 30 "$folder/release.log" >&2
        echo "check-reproducible: the release build in $src failed" >&2
        exit 1
    fi
}
# The two checkouts differ in the length of their paths too, so that a path
# that leaks into a program also shifts what follows it; the two builds also
# run with a different file mode mask, time zone and locale.
(umask 022; export TZ=UTC LC_ALL=C; build "$ONE" launcher "$@")
(umask 027; export TZ=Asia/Shanghai LC_ALL=zh_CN.UTF-8; build "$TWO" moyu-launcher-checkout "$@")
elapsed=$(( $(date +%s) - started ))

zip_one=$(ls "$ONE"/out/*.zip)
zip_two=$(ls "$TWO"/out/*.zip)

# Names the part of a PE file that holds byte OFFSET (counted from 0).
pe_part() { # pe_part FILE OFFSET ARCH
    # Section lines of objdump -h: index, name, size, VMA, LMA, file offset, alignment.
    "$3-w64-mingw32-objdump" -h "$1" | {
        lowest=""
        while read -r idx name size _vma _lma fileoff _align; do
            case $idx in ''|*[!0-9]*) continue ;; esac
            start=$((0x$fileoff)) length=$((0x$size))
            [ "$start" -eq 0 ] && continue  # .bss and the like: nothing in the file
            if [ "$2" -ge "$start" ] && [ "$2" -lt $((start + length)) ]; then
                printf 'section %s, 0x%x bytes into it\n' "$name" $(($2 - start))
                exit 0
            fi
            if [ -z "$lowest" ] || [ "$start" -lt "$lowest" ]; then lowest=$start; fi
        done
        if [ -n "$lowest" ] && [ "$2" -lt "$lowest" ]; then
            echo "the PE headers (time stamp, checksum, sizes)"
        else
            echo "the padding between sections or after the last one"
        fi
    }
}

status=0
compare() { # compare LABEL FILE-ONE FILE-TWO [ARCH]
    h1=$(sha256sum "$2" | cut -d' ' -f1)
    h2=$(sha256sum "$3" | cut -d' ' -f1)
    echo "$1"
    printf '  %10s bytes  %s  first build\n' "$(wc -c < "$2")" "$h1"
    printf '  %10s bytes  %s  second build\n' "$(wc -c < "$3")" "$h2"
    [ "$h1" = "$h2" ] && return 0
    status=1
    where=$(cmp "$2" "$3" 2>&1 | head -n 1 || true)
    count=$(cmp -l "$2" "$3" 2>/dev/null | wc -l || true)
    echo "  DIFFERS: $where; $count differing bytes; first ones (offset from 1, octal values):"
    cmp -l "$2" "$3" 2>/dev/null | head -n 8 | sed 's/^/    /' || true
    if [ -n "${4:-}" ]; then
        offset=$(cmp "$2" "$3" 2>/dev/null | sed -n 's/.*byte \([0-9]*\).*/\1/p')
        if [ -n "$offset" ]; then
            echo "  first difference lies in $(pe_part "$2" $((offset - 1)) "$4")"
        fi
    fi
    return 0
}

echo "check-reproducible: commit $commit, both builds took ${elapsed} s"
grep '^release: built with' "$ONE/release.log" || true
for arch in i686 x86_64; do
    compare "$arch/launcher.exe" \
        "$ONE/launcher/build/release-$arch/bin/launcher.exe" \
        "$TWO/moyu-launcher-checkout/build/release-$arch/bin/launcher.exe" "$arch"
done
compare "$(basename "$zip_one")" "$zip_one" "$zip_two"
if [ "$(basename "$zip_one")" != "$(basename "$zip_two")" ]; then
    echo "  DIFFERS: the zips are named $(basename "$zip_one") and $(basename "$zip_two")"
    status=1
fi

if ! cmp -s "$zip_one" "$zip_two"; then
    # Which members differ, or whether only the zip's own headers do.
    python3 -m zipfile -e "$zip_one" "$ONE/unzipped"
    python3 -m zipfile -e "$zip_two" "$TWO/unzipped"
    if diff -rq "$ONE/unzipped" "$TWO/unzipped" > "$ONE/members.diff"; then
        echo "  the members are the same; the zip's own headers differ"
    else
        sed 's/^/  /' "$ONE/members.diff"
    fi
fi

if [ $status -ne 0 ]; then
    echo "check-reproducible: FAILED, the two builds differ" >&2
    exit 1
fi
echo "check-reproducible: the two builds are byte-identical"
