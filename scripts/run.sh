#!/usr/bin/env bash
# Sets up, builds and starts Selvanthe.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh" build
exec "$here/build/bin/selvanthe"
