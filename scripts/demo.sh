#!/usr/bin/env bash
# Builds the program and runs the demonstration: it lays out a duct network,
# writes its bill of materials to demo_bom.txt,
# saves the drawing as demo.dxf and draws demo.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
./build/lurak -s examples/demo.scr -o demo.dxf
[ -f demo_bom.txt ] && echo "bill of materials: demo_bom.txt"
if [ -f demo.dxf ]; then
  /usr/bin/python3 -m ezdxf draw -o demo.png demo.dxf && echo "picture: demo.png"
fi
