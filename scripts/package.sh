#!/usr/bin/env bash
# Builds the Debian packages from debian/ with dpkg-buildpackage, as a Debian packager does, into
# build-deb/: selvanthe (the program, desktop entry, metainfo, manual), selvanthe-data (the pictures and
# icons, for every architecture) and selvanthe-dbgsym (the program's debugging symbols), with the
# .buildinfo and .changes files beside them.
# The build runs on a copy of the source tree in build-deb/, so nothing is written beside the project
# folder or into debian/. The test suite is left out (scripts/test.sh runs it): set DEB_BUILD_OPTIONS
# yourself, even to "", to build and run it inside the package build as well. JOBS sets the number of
# jobs (default: every core).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh" debhelper dpkg-dev
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS-nocheck}"
out="$here/build-deb"
src="$out/selvanthe"
rm -rf "$out"
mkdir -p "$src"
tar -C "$here" --exclude-vcs --anchored --exclude=./build --exclude='./build-*' -cf - . | tar -C "$src" -xf -
cd "$src"
dpkg-buildpackage -us -uc -b -j"${JOBS:-$(nproc)}" > "$out/build.log" 2>&1 || { tail -60 "$out/build.log"; exit 1; }
ls "$out"/*.deb
