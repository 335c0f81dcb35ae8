#!/usr/bin/env bash
# Installs what Quenvo needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/app/quenvo
