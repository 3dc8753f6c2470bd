#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/as-user.sh
bash scripts/install-deps.sh
as_invoking_user bash scripts/build.sh
as_invoking_user ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure --timeout 600
