#!/usr/bin/env bash
# Sets up the machine, builds the project and plays the bundled demo scene with the scene player.
# The frames the scene writes land in build/demo-out/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build/normal" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build/normal" -j "$(nproc)" --target vesper-play make-demo-assets
# The demo's pictures are drawn by the project's own generator.
"$root/build/normal/bin/make-demo-assets" "$root/build/demo-assets"
"$root/build/normal/bin/vesper-play" "$root/examples/demo/demo.scene" \
  --assets "$root/build/demo-assets" --out "$root/build/demo-out"
echo "demo finished; frames are in $root/build/demo-out/"
