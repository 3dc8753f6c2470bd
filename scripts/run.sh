#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/as-user.sh
bash scripts/install-deps.sh
as_invoking_user bash scripts/build.sh
as_invoking_user "./${BUILD_DIR:-build}/selection-pilotes"
