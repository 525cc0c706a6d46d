#!/usr/bin/env bash
# Installs what building and testing Selvanthe needs on Debian 12, where it is missing, and any further
# packages named on the command line. Packages come without what they only recommend: neither the build
# nor the tests need it, and it would be about a third more to download (devscripts alone would bring a
# whole keyring for one command). Only this installation uses sudo, and only when not run as root.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev libgl-dev libcups2-dev fonts-dejavu-core poppler-utils "$@")
missing() {
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}
mapfile -t wanted < <(missing "${packages[@]}")
if [ ${#wanted[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  # Other scripts of the project may be installing at the same moment: wait for them.
  apt=($SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y -qq)
  "${apt[@]}" update
  "${apt[@]}" install --no-install-recommends "${wanted[@]}"
fi
