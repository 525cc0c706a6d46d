#!/usr/bin/env bash
# Installs what building Selvanthe needs on Debian 12, where it is missing, and any further packages named
# on the command line; those named after --without-recommends come without the packages they only
# recommend (devscripts would bring a whole keyring for one command). Only this installation uses sudo,
# and only when not run as root.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev libgl-dev libcups2-dev fonts-dejavu-core poppler-utils)
# The print scheduler, which the printing tests run as a private one of their own; the printing services
# it only recommends (network discovery, colour management, USB) have no part in that.
lean=(cups-daemon)
bare_from_here=0
for p in "$@"; do
  if [ "$p" = "--without-recommends" ]; then bare_from_here=1
  elif [ $bare_from_here -eq 1 ]; then lean+=("$p")
  else packages+=("$p")
  fi
done
missing() {
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}
mapfile -t full < <(missing "${packages[@]}")
mapfile -t bare < <(missing "${lean[@]}")
if [ ${#full[@]} -gt 0 ] || [ ${#bare[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  # Other scripts of the project may be installing at the same moment: wait for them.
  apt=($SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y -qq)
  "${apt[@]}" update
  [ ${#full[@]} -eq 0 ] || "${apt[@]}" install "${full[@]}"
  [ ${#bare[@]} -eq 0 ] || "${apt[@]}" install --no-install-recommends "${bare[@]}"
fi
