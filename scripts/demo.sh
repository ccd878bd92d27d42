#!/usr/bin/env bash
# Builds the program and runs the demonstration: the supply and extract
# ductwork of an office floor, saved as demo.dxf and drawn as demo.png, with
# the bill of materials of each air system in demo_bom_SV1.txt and
# demo_bom_EX1.txt; says where each was written and what it holds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
rm -f demo.dxf demo.png demo_bom_SV1.txt demo_bom_EX1.txt
./build/lurak -s examples/demo.scr -o demo.dxf > demo.log
/usr/bin/python3 -m ezdxf draw -o demo.png demo.dxf > /dev/null 2>&1 || echo "no picture: ezdxf draw failed"
/usr/bin/python3 examples/demo_summary.py demo.dxf demo.png SV1=demo_bom_SV1.txt EX1=demo_bom_EX1.txt
echo "transcript: $(pwd)/demo.log"
