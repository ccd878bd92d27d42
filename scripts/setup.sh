#!/usr/bin/env bash
# Installs what the build and the tests need, when it is missing.
set -euo pipefail
need=()
command -v cmake >/dev/null || need+=(cmake)
command -v g++ >/dev/null || need+=(g++)
command -v ninja >/dev/null || need+=(ninja-build)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev libgmock-dev)
[ -f /usr/include/readline/readline.h ] || need+=(libreadline-dev)
[ -f /usr/include/sodium.h ] || need+=(libsodium-dev)
/usr/bin/python3 -c 'import ezdxf' 2>/dev/null || need+=(python3-ezdxf)
/usr/bin/python3 -c 'import matplotlib' 2>/dev/null || need+=(python3-matplotlib)
# The fuzz targets (scripts/fuzz.sh): clang and its libFuzzer runtime.
command -v clang++ >/dev/null || need+=(clang)
compgen -G '/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a' >/dev/null || need+=(libclang-rt-14-dev)
# LibreCAD renders the example drawings headless; its data package is a corpus of DXF files by another writer.
command -v librecad >/dev/null || need+=(librecad)
[ -d /usr/share/librecad ] && [ -n "$(find /usr/share/librecad -name '*.dxf' -print -quit)" ] || need+=(librecad-data)
if [ ${#need[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${need[@]}"
fi
