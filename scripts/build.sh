#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build). SANITIZE=ON adds AddressSanitizer and
# UndefinedBehaviorSanitizer. SERIES_COUNT sets how many series of question pictures are drawn
# (PILOTES_SERIES_COUNT, 6 unless set).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja \
    -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
    -DPILOTES_SANITIZE="${SANITIZE:-OFF}" \
    -DPILOTES_WERROR="${WERROR:-ON}" \
    ${SERIES_COUNT:+-DPILOTES_SERIES_COUNT="$SERIES_COUNT"}
cmake --build "$build_dir" --parallel "$(nproc)"
