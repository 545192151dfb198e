#!/usr/bin/env bash
# Configures and builds into the given folder; extra arguments go to cmake.
set -euo pipefail
dir=$1; shift
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
