#!/usr/bin/env bash
# Installs what is missing, builds the configurator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DCFQ_BUILD_TESTS=OFF -DCFQ_BUILD_BENCH=OFF
exec build/bin/cfq4410
