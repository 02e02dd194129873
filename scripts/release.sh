#!/bin/sh
# Builds a release from this checkout: the i686 and the x86_64 launcher in
# release mode (build/release-i686, build/release-x86_64) and one zip holding
# both, the user guide (docs/guide.md, with the pictures it shows) and a
# SHA256SUMS file. The same commit, built with the same tool versions (printed
# at the end), gives the same bytes in any folder on any day;
# scripts/check-reproducible.sh shows it.
#
#   scripts/release.sh [OUTDIR [CMAKE-ARGS...]]
#
# OUTDIR defaults to build/release. CMAKE-ARGS go to both configure steps,
# e.g. -DLAUNCHER_SERVER_ADDRESS=203.0.113.7 for another community's server;
# every configure starts from an empty cache, so a value set for one release
# does not linger into the next. RELEASE_GUIDE names another guide file
# (a test of the release before the guide is written).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"

OUTDIR=${1:-$ROOT/build/release}
if [ $# -gt 0 ]; then shift; fi
GUIDE=${RELEASE_GUIDE:-$ROOT/docs/guide.md}
if [ ! -f "$GUIDE" ]; then
    echo "release: the user guide $GUIDE is missing; a release ships with it" >&2
    exit 1
fi

sh scripts/setup.sh

version=$(git describe --always --dirty 2>/dev/null || true)
[ -n "$version" ] || { echo "release: $ROOT is not a git checkout" >&2; exit 1; }
case $version in
    *-dirty) echo "release: warning: uncommitted changes are built into $version" >&2 ;;
esac
# Compilers that honour it take this in place of the clock (__DATE__ and the like).
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct HEAD)
export SOURCE_DATE_EPOCH

for arch in i686 x86_64; do
    dir="build/release-$arch"
    rm -f "$dir/CMakeCache.txt"
    cmake -S . -B "$dir" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" --target launcher
done

mkdir -p "$OUTDIR"
OUTDIR=$(cd "$OUTDIR" && pwd)
zip="$OUTDIR/moyu-launcher-$version.zip"
python3 scripts/pack_release.py "$zip" \
    "guide.md=$GUIDE" \
    "i686/launcher.exe=build/release-i686/bin/launcher.exe" \
    "x86_64/launcher.exe=build/release-x86_64/bin/launcher.exe"

# What a second build must match to give the same bytes.
jpeg=$(basename "$(ls -d build/deps/src/libjpeg-turbo-*/ | head -n1)")
echo "release: built with $(i686-w64-mingw32-g++-posix --version | head -n1)," \
     "$(i686-w64-mingw32-ld --version | head -n1), $jpeg," \
     "mingw-w64 $(dpkg-query -W -f='${Version}' mingw-w64-common 2>/dev/null || echo '?')"
for arch in i686 x86_64; do
    echo "release: $arch/launcher.exe $(wc -c < "build/release-$arch/bin/launcher.exe") bytes"
done
echo "release: $zip"
echo "release: sha256 $(sha256sum "$zip" | cut -d' ' -f1)"
