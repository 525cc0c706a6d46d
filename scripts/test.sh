#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite (offscreen; no display needed).
# With SANITIZE=1 it does the same in a separate build under AddressSanitizer and UndefinedBehaviorSanitizer.
# JOBS sets the number of build jobs and of tests run at once (default: every core).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh"
if [ "${SANITIZE:-0}" = "1" ]; then
  dir=build-sanitize
  bash "$here/scripts/build.sh" "$dir" -DSELVANTHE_SANITIZE=ON -DSELVANTHE_BENCH=OFF
else
  dir=build
  bash "$here/scripts/build.sh" "$dir"
fi
cd "$here/$dir"
QT_QPA_PLATFORM=offscreen ctest -j"${JOBS:-$(nproc)}" --output-on-failure
