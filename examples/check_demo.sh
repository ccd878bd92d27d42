#!/usr/bin/env bash
# Runs the demonstration, checks the drawing with the project's drawing
# checks (host/dxf/tests/check_dxf.py, ezdxf's strict audit among them),
# opens it again in lurak (its systems listed, saved once more), and checks
# both files with check_demo.py: each system one network joined both ways,
# every label number kept, each bill of materials listing every type used.
# Last, when LibreCAD is there, it must draw the whole drawing.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
rm -f demo_bom_SV1.txt demo_bom_EX1.txt
"$program" -s "$examples/demo.scr" -o demo.dxf > demo.log
if grep -q "does not fit\|No free connector\|Nothing was picked\|Unknown command\|is disabled" demo.log; then
    echo "the demonstration did not run as written:"
    grep -m 5 "does not fit\|No free connector\|Nothing was picked\|Unknown command\|is disabled" demo.log
    exit 1
fi
"$python" "$check" --opened-by "$program" demo.dxf
"$program" demo.dxf -s "$examples/demo_reopen.scr" -o reopened.dxf | tee reopen.log
grep -q '\[SV1\] Supply air' reopen.log
grep -q '\[EX1\] Extract air' reopen.log
"$python" "$check" --opened-by "$program" reopened.dxf
"$python" "$examples/check_demo.py" demo.dxf reopened.dxf SV1=demo_bom_SV1.txt EX1=demo_bom_EX1.txt
if command -v librecad > /dev/null; then
    "$python" "$examples/render_check.py" rendered demo.dxf
fi
echo "demo check passed"
