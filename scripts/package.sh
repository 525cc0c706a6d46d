#!/usr/bin/env bash
# Builds the Debian package build/selvanthe_<version>_<architecture>.deb: the program, stripped, with its
# pictures, desktop entry, icons, metainfo and manual page under /usr, depending on the libraries
# dpkg-shlibdeps finds it uses.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh" dpkg-dev file
bash "$here/scripts/build.sh" build
cd "$here/build"
rm -f selvanthe_*.deb
cpack -G DEB > cpack.log || { cat cpack.log; exit 1; }
ls "$here"/build/selvanthe_*.deb
