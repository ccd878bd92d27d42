#!/usr/bin/env bash
# Opens and saves every DXF file of LibreCAD's data package (librecad-data)
# and checks every copy; the test suite checks a fixed sample of them.
# Usage: scripts/check_dxf_corpus.sh [BUILD_DIR]   (default: build)
set -euo pipefail
build=${1:-build}
LURAK_CORPUS_STRIDE=1 exec "$build/host/dxf/host_dxf_tests" --gtest_filter='ForeignCorpus.*'
