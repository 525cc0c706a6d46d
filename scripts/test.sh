#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite (offscreen; no display needed), then lists every row the
# suite skipped here, with its reason (some rows can be tried only as an ordinary user, or only as root).
# With SANITIZE=1 it does the same in a separate build under AddressSanitizer and UndefinedBehaviorSanitizer.
# JOBS sets the number of build jobs and of tests run at once (default: every core). The benchmarks are
# not built (bench/ in the README says how).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
# cups-daemon is the print scheduler the printing tests start a private copy of, on a port of their own
# (the desktop's own print service is left as it is); the program itself needs only the CUPS library.
bash "$here/scripts/setup.sh" cups-daemon
if [ "${SANITIZE:-0}" = "1" ]; then
  dir=build-sanitize
  bash "$here/scripts/build.sh" "$dir" -DSELVANTHE_SANITIZE=ON -DSELVANTHE_BENCH=OFF
else
  dir=build
  bash "$here/scripts/build.sh" "$dir" -DSELVANTHE_BENCH=OFF
fi
cd "$here/$dir"
rc=0
QT_QPA_PLATFORM=offscreen ctest -j"${JOBS:-$(nproc)}" --output-on-failure || rc=$?
skipped="$(grep -h '^SKIP ' Testing/Temporary/LastTest.log | sed -E 's/^SKIP +: /  /' | sort -u || true)"
echo "Rows skipped as $(id -un) (with the reason each gave):"
echo "${skipped:-  none}"
exit $rc
