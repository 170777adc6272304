#!/usr/bin/env bash
# Installs what is missing, builds, and renders a sample bar to sample-bar.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)" --target tavrel-sample
"$build/bin/tavrel-sample" sample-bar.png
echo "Wrote $(pwd)/sample-bar.png"
