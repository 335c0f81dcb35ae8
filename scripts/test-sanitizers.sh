#!/usr/bin/env bash
# Builds Quenvo with AddressSanitizer and UndefinedBehaviorSanitizer into
# ./build-asan (benchmarks left out) and runs the whole test suite there, the
# fuzz targets' corpora included. Needs the packages of scripts/install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENVO_SANITIZE=ON
cmake --build build-asan -j "$(nproc)"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2
