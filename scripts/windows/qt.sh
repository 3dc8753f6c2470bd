#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source, with giflib, into a cache folder
# named after everything that shapes the result; a folder already there is reused as it is.
# With --prefix, only prints that folder's path.
# Debian's qt6-base-dev-tools run on the host as the cross build's moc, rcc and uic: the source
# fetched is the same version, and so are giflib's and libjpeg-turbo's with the host's libraries.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

cache=${PILOTES_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/selection-pilotes}
toolchain=$here/mingw-w64.cmake

version_of() { dpkg-query -W -f='${Version}' "$1"; }
qt_version=$(version_of qt6-base-dev-tools)
gif_version=$(version_of libgif-dev)
jpeg_version=$(version_of libjpeg62-turbo-dev)
qt_upstream=${qt_version%%+*}
qt_upstream=${qt_upstream%%-*}

# Kept to what the program, its tests and the windows, offscreen, gif and jpeg plugins need.
# Qt builds the offscreen plugin only with FreeType: its own copy is built for it, while the
# windows plugin keeps to DirectWrite. Tablet events need the wintab headers Debian's source
# leaves out. Direct2D stays: without it Qt 6.4 leaves its DirectWrite font database out of
# QtGui and the windows plugin fails to link.
qt_options=(-xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32-
    -qt-host-path /usr -release -shared -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-openssl -no-zstd -qt-freetype -no-fontconfig
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz
    -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent
    -no-feature-printsupport -no-feature-vulkan -no-feature-tabletevent -no-feature-ico
    -no-feature-sessionmanager -no-feature-textodfwriter -no-feature-textmarkdownreader
    -no-feature-textmarkdownwriter -no-feature-sqlmodel)

key=$( { echo "$qt_version $gif_version $jpeg_version"
    version_of g++-mingw-w64-x86-64-posix
    version_of mingw-w64-x86-64-dev
    echo "${qt_options[@]}"
    cat "$0" "$toolchain"; } | sha256sum | cut -c1-12)
prefix=$cache/qt-$qt_upstream-mingw64-$key

if [[ ${1:-} == --prefix ]]; then
    echo "$prefix"
    exit 0
fi
if [[ -f $prefix/.complete ]]; then
    echo "Qt pour Windows déjà construit : $prefix"
    exit 0
fi

work=$cache/work-$key
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/apt/parts" "$work/apt/cache" "$work/src"

# A private apt configuration with the deb-src lines: the machine's own sources stay untouched.
cat >"$work/apt/sources.list" <<SOURCES
deb-src http://deb.debian.org/debian bookworm main
deb-src http://deb.debian.org/debian bookworm-updates main
deb-src http://deb.debian.org/debian-security bookworm-security main
SOURCES
apt_private=(-o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts="$work/apt/parts"
    -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache"
    -o APT::Sandbox::User="$(id -un)")
apt-get "${apt_private[@]}" update
(cd "$work/src" && apt-get "${apt_private[@]}" source "qt6-base=$qt_version" "giflib=$gif_version" \
    "libjpeg-turbo=$jpeg_version")

# giflib: a static library, so that the program carries no extra DLL.
gif_source=$(find "$work/src" -maxdepth 1 -type d -name 'giflib-*' | head -n1)
mkdir -p "$prefix/include" "$prefix/lib" "$work/gif"
for file in dgif_lib egif_lib gifalloc gif_err gif_font gif_hash openbsd-reallocarray quantize; do
    x86_64-w64-mingw32-gcc-posix -O2 -c "$gif_source/$file.c" -o "$work/gif/$file.o"
done
x86_64-w64-mingw32-ar rcs "$prefix/lib/libgif.a" "$work/gif"/*.o
cp "$gif_source/gif_lib.h" "$prefix/include/"

# libjpeg, static as well, for the picture writer the tests link; plain C, as nasm is not needed.
jpeg_source=$(find "$work/src" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)
cmake -S "$jpeg_source" -B "$work/jpeg" -G Ninja -Wno-dev -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF -DWITH_SIMD=OFF \
    -DWITH_TURBOJPEG=OFF
cmake --build "$work/jpeg" --target jpeg-static
cp "$work/jpeg/libjpeg.a" "$prefix/lib/"
cp "$jpeg_source"/{jpeglib.h,jerror.h,jmorecfg.h} "$work/jpeg/jconfig.h" "$prefix/include/"

qt_source=$(find "$work/src" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
mkdir -p "$work/qt-build"
cd "$work/qt-build"
"$qt_source/configure" -prefix "$prefix" "${qt_options[@]}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build . --parallel "$(nproc)"
cmake --install .
touch "$prefix/.complete"
cd /
rm -rf "$work"
echo "Qt pour Windows construit : $prefix"
