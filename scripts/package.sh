#!/usr/bin/env bash
# Builds the Debian package selection-pilotes_<version>_<arch>.deb into BUILD_DIR (default:
# build-package): a build for /usr with Debian's hardening flags and CMake's default generator,
# as packagers use it, then CPack.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/as-user.sh
bash scripts/install-deps.sh dpkg-dev file
build_dir=${BUILD_DIR:-build-package}
as_invoking_user bash -c '
    set -euo pipefail
    eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
    export CXXFLAGS="$CXXFLAGS $CPPFLAGS" # CMake does not read CPPFLAGS
    cmake -S . -B "$1" -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
        -DBUILD_TESTING=OFF -DPILOTES_WERROR=ON
    cmake --build "$1" --parallel "$(nproc)"
    cd "$1" && cpack -G DEB' package "$build_dir"
ls "$build_dir"/selection-pilotes_*.deb
