#!/usr/bin/env bash
# Configures and builds into the folder given (default: build), with any extra CMake options after it.
# BUILD_TARGET builds one target (and what it needs) in place of everything; JOBS sets the number of jobs
# (default: every core).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-build}"; shift || true
cmake -S "$here" -B "$here/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$here/$dir" -j"${JOBS:-$(nproc)}" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
