#!/bin/sh
# Installs everything the project needs on Debian 12 (run as root) and builds
# libjpeg-turbo for both mingw targets into build/deps. Quick when already done.
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
DEPS="$ROOT/build/deps"

PACKAGES="g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix cmake ninja-build \
wine wine64 xvfb locales fonts-wqy-microhei imagemagick googletest \
libjpeg62-turbo-dev dpkg-dev nasm clang libclang-rt-14-dev python3 git fonts-wine"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done

# Debian's source package of libjpeg-turbo is the one cross-built below.
SRCLIST=/etc/apt/sources.list.d/project-deb-src.sources
need_update=0
if [ ! -f "$SRCLIST" ]; then
    cat > "$SRCLIST" <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    need_update=1
fi

if [ -n "$missing" ] || [ "$need_update" = 1 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
fi
if [ -n "$missing" ]; then
    apt-get install -y -q --no-install-recommends $missing
fi

# Wine takes the ANSI code page from LANG, but only when the locale exists;
# without it GetACP() silently stays 1252 instead of 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
    sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen
fi

# libjpeg-turbo for the mingw targets: Debian ships no Windows build.
# The launcher decodes one small picture, so the build is for size: no SIMD
# code, sections the linker can drop when unused (the whole encoder), and no
# JPEGMEM environment variable, whose sscanf would pull in the C scanf.
JPEG_FLAGS="-DCMAKE_BUILD_TYPE=MinSizeRel -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF -DWITH_SIMD=OFF"
JPEG_VERSION="1:2.1.5-2"
JPEG_CFLAGS="-ffunction-sections -fdata-sections -DNO_GETENV -ffile-prefix-map=$DEPS=deps"
build_jpeg() {
    arch=$1
    prefix="$DEPS/libjpeg-$arch"
    stamp="$JPEG_VERSION $JPEG_FLAGS $JPEG_CFLAGS"
    [ -f "$prefix/lib/libjpeg.a" ] && [ "$(cat "$prefix/.flags" 2>/dev/null)" = "$stamp" ] && return 0
    rm -rf "$prefix" "$DEPS/build-jpeg-$arch"
    mkdir -p "$DEPS/src"
    src=$(ls -d "$DEPS"/src/libjpeg-turbo-*/ 2>/dev/null | head -n1 || true)
    if [ -z "$src" ]; then
        # The version is pinned so that the same sources give the same
        # programs on every machine; a newer Debian revision is taken only
        # when this one is gone from the archive.
        (cd "$DEPS/src" && { apt-get source -q "libjpeg-turbo=$JPEG_VERSION" 2>/dev/null ||
            { echo "setup: libjpeg-turbo $JPEG_VERSION is gone; using the archive's" >&2; apt-get source -q libjpeg-turbo; }; })
        src=$(ls -d "$DEPS"/src/libjpeg-turbo-*/ | head -n1)
    fi
    cmake -S "$src" -B "$DEPS/build-jpeg-$arch" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" \
        -Wno-dev -DCMAKE_INSTALL_PREFIX="$prefix" $JPEG_FLAGS -DCMAKE_C_FLAGS="$JPEG_CFLAGS" >/dev/null
    cmake --build "$DEPS/build-jpeg-$arch" >/dev/null
    cmake --install "$DEPS/build-jpeg-$arch" >/dev/null
    echo "$stamp" > "$prefix/.flags"
}
build_jpeg x86_64
build_jpeg i686

echo "setup: done"
