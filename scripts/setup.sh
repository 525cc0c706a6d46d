#!/usr/bin/env bash
# Installs what building Selvanthe needs on Debian 12, where it is missing, and any further packages named
# on the command line.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev libgl-dev libcups2-dev fonts-dejavu-core poppler-utils "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
