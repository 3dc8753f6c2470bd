#!/usr/bin/env bash
# Builds the Windows program on Debian 12 (root or sudo, like the other scripts):
# BUILD_DIR/selection-pilotes-<version>-win64-setup.exe and BUILD_DIR/selection-pilotes-<version>-win64.zip
# (BUILD_DIR defaults to build-windows). Qt for Windows is built once from Debian's own source by
# scripts/windows/qt.sh into ~/.cache/selection-pilotes/ (half an hour to an hour), then reused.
# The pictures and the booklet are drawn by the tools of a native build (BUILD_DIR/host), so that
# they are the same files as on Linux; the cross build (BUILD_DIR/cross) also builds the tests,
# which its ctest runs under Wine (.ci/windows-check sets the rest up).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/as-user.sh
bash scripts/install-deps.sh g++-mingw-w64-x86-64-posix mingw-w64-tools nsis wine dpkg-dev qt6-base-dev-tools \
    qt6-translations-l10n
build=$(realpath -m "${BUILD_DIR:-build-windows}")
qt=$(as_invoking_user bash scripts/windows/qt.sh --prefix)

# A CI run and a run by hand on one machine share Qt's cache, and may share a build folder: one
# run at a time builds in each, a second one waits for the first instead of wiping what it builds.
# (The lock is taken here, not in qt.sh, whose text is part of the cache's key.)
as_invoking_user mkdir -p "$build" "$(dirname "$qt")"
as_invoking_user touch "$build/.lock" "$qt.lock"
wait_for_lock() {
    flock -n "$1" && return
    echo "Une autre construction utilise $2 : attente de sa fin..."
    flock "$1"
}
exec {build_lock}<"$build/.lock"
wait_for_lock $build_lock "$build"
exec {qt_lock}<"$qt.lock"
wait_for_lock $qt_lock "$qt"
as_invoking_user bash scripts/windows/qt.sh
exec {qt_lock}<&-

as_invoking_user bash -c '
    set -euo pipefail
    build=$(realpath -m "$1") qt=$2
    cmake -S . -B "$build/host" -G Ninja -DBUILD_TESTING=OFF -DPILOTES_WERROR=ON
    cmake --build "$build/host" --target host-tools --parallel "$(nproc)"
    # A cross build configured against another Qt (older options, say) keeps it: start it afresh.
    if [[ -f $build/cross/CMakeCache.txt ]] &&
        ! grep -qxF "Qt6_DIR:PATH=$qt/lib/cmake/Qt6" "$build/cross/CMakeCache.txt"; then
        rm -rf "$build/cross"
    fi
    # Qt remembers the toolchain file it was built with; this checkout'"'"'s copy is the same file.
    cmake -S . -B "$build/cross" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPILOTES_WERROR=ON \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/scripts/windows/mingw-w64.cmake" \
        -DPILOTES_HOST_TOOLS="$build/host/host-tools.cmake" -DCMAKE_CROSSCOMPILING_EMULATOR=wine
    cmake --build "$build/cross" --parallel "$(nproc)"
    (cd "$build/cross" && cpack -B "$build")' windows "$build" "$qt"
ls -l "$build"/selection-pilotes-*-win64-setup.exe "$build"/selection-pilotes-*-win64.zip
