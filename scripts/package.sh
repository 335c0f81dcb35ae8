#!/usr/bin/env bash
# Builds Quenvo and its Debian package: build/quenvo_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
cd build
cpack -G DEB
