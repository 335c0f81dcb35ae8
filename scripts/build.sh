#!/usr/bin/env bash
# Configures and builds Quenvo into ./build (application folder: build/app).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
