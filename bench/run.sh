#!/usr/bin/env bash
# Builds the benchmark harness and runs it on the real platform plugin: the current display if
# there is one, else a private Xvfb, else Qt's offscreen platform. Prints the harness's table.
#   bash bench/run.sh [--start-ups N] [--time-out-passes N]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh valgrind
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPILOTES_BENCH=ON >/dev/null
cmake --build "$build_dir" --target bench_pilotes --parallel "$(nproc)"

if [[ -z ${DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    if command -v Xvfb >/dev/null && command -v xauth >/dev/null; then
        number=100
        while [[ -e /tmp/.X$number-lock ]]; do number=$((number + 1)); done
        export DISPLAY=:$number
        private=$(mktemp -d)
        export XAUTHORITY=$private/Xauthority XDG_RUNTIME_DIR=$private
        touch "$XAUTHORITY"
        xauth -q add "$DISPLAY" . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')"
        Xvfb "$DISPLAY" -auth "$XAUTHORITY" -nolisten tcp -screen 0 1280x1024x24 >/dev/null 2>&1 &
        xvfb=$!
        trap 'kill $xvfb; rm -rf "$private"' EXIT
        for _ in $(seq 50); do
            [[ -e /tmp/.X11-unix/X$number ]] && break
            sleep 0.1
        done
        export QT_QPA_PLATFORM=xcb
        echo "Private Xvfb on display $DISPLAY"
    else
        echo "No display and no Xvfb (apt-get install xvfb xauth): Qt's offscreen platform instead"
    fi
fi
"$build_dir/bench/bench_pilotes" "$@"
