#!/usr/bin/env bash
# Installs what is missing, builds the viewer and the designer and runs the viewer. With a
# display it opens the demo bar in a window; without one it runs the tour of examples/tour.tavrel
# on the offscreen platform and writes the tour's pictures and animated GIF into out/tour/, and
# the designer's walk through its property pages (examples/pages.tavrel) into out/pages/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)" --target tavrel-view tavrel-designer
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/bin/tavrel-view" examples/demo.json
fi
mkdir -p out/tour
"$build/bin/tavrel-view" --script examples/tour.tavrel
echo "The tour's pictures and animated GIF are in $(pwd)/out/tour/"
mkdir -p out/pages
"$build/bin/tavrel-designer" --script examples/pages.tavrel
echo "Pictures of the designer's property pages are in $(pwd)/out/pages/"
