#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build). SANITIZE=ON adds AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja \
    -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
    -DPILOTES_SANITIZE="${SANITIZE:-OFF}" \
    -DPILOTES_WERROR="${WERROR:-ON}"
cmake --build "$build_dir" --parallel "$(nproc)"
