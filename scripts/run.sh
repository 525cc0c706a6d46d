#!/usr/bin/env bash
# Sets up, builds the program alone (not the tests and benchmarks) and starts it. JOBS sets the number of
# build jobs (default: every core).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh"
BUILD_TARGET=selvanthe bash "$here/scripts/build.sh" build
exec "$here/build/bin/selvanthe" "$@"
