#!/usr/bin/env bash
# Builds the source package and the Debian packages from debian/ with dpkg-buildpackage, as a Debian
# packager does, into build-deb/: the source package (selvanthe_<version>.dsc and its tarball; the
# packaging is native, the project being its own packager) and selvanthe (the program, desktop entry,
# metainfo, manual), selvanthe-data (the pictures and icons, for every architecture) and selvanthe-dbgsym
# (the program's debugging symbols), with the .buildinfo and .changes files beside them.
# What is packaged is what was committed: the build runs on an export of the checked-out commit in
# build-deb/ (git archive), so a change not committed never ships under the committed version; it is named
# and left out. A tree that is not a git checkout (an unpacked source package) is packaged as it stands.
# Nothing is written beside the project folder or into debian/. The test suite is left out (scripts/test.sh
# runs it): set DEB_BUILD_OPTIONS yourself, even to "", to build and run it inside the package build as
# well. JOBS sets the number of jobs (default: every core).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd -P)"
# dpkg-buildpackage asks for build-essential beside the build dependencies debian/control names.
bash "$here/scripts/setup.sh" debhelper dpkg-dev build-essential
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS-nocheck}"
out="$here/build-deb"
src="$out/selvanthe"
rm -rf "$out"
mkdir -p "$src"
if [ "$(git -C "$here" rev-parse --show-toplevel 2>/dev/null)" = "$here" ]; then
  commit="$(git -C "$here" rev-parse --short HEAD)"
  git -C "$here" archive HEAD | tar -C "$src" -xf -
  changes="$(git -C "$here" status --porcelain --untracked-files=normal)"
  if [ -n "$changes" ]; then
    echo "Packaging commit $commit as it was committed; these changes are not committed, so they are left out:"
    echo "$changes" | sed 's/^/  /'
  fi
else
  tar -C "$here" --exclude-vcs --anchored --exclude=./build --exclude='./build-*' -cf - . | tar -C "$src" -xf -
fi
cd "$src"
dpkg-buildpackage -us -uc -j"${JOBS:-$(nproc)}" > "$out/build.log" 2>&1 || { tail -60 "$out/build.log"; exit 1; }
ls "$out"/*.dsc "$out"/*.deb
