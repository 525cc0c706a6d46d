#!/usr/bin/env bash
# Checks that every #include of the program's own headers runs down the layers, never up or across:
#   app/            the composition root and start-up: may include anything
#   src/runictarot  the runic tarot: its own, the runes', the tarot's, the shell's and the platform's
#   src/tarot       the tarot: its own, the shell's and the platform's
#   src/runes       the runes: its own, the shell's and the platform's
#   src/shell       the main window and what every tool shares: its own and the platform's
#   src/platform    the desktop under everything: its own alone
# So no two folders include each other, and the shell knows no tool. That the rules include Qt Core
# alone is held by the build itself (the selvanthe_rules target links nothing else).
set -uo pipefail
cd "$(dirname "$0")/.."
declare -A allowed=(
  [platform]="platform"
  [shell]="shell platform"
  [tarot]="tarot shell platform"
  [runes]="runes shell platform"
  [runictarot]="runictarot runes tarot shell platform"
)
bad=0
while IFS= read -r file; do
  folder=$(cut -d/ -f2 <<<"$file")
  [ -n "${allowed[$folder]+x}" ] || { echo "$file: a folder the layers do not know"; bad=1; continue; }
  while IFS=: read -r line target; do
    to=${target%%/*}
    if ! grep -qw -- "$to" <<<"${allowed[$folder]}"; then
      echo "$file:$line: includes \"$target\", against the layers ($folder may include ${allowed[$folder]// /, })"
      bad=1
    fi
  done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" | sed -E 's/^([0-9]+):[^"]*"([^"]*)".*/\1:\2/')
done < <(git ls-files 'src/*.h' 'src/*.cpp')
if [ $bad -ne 0 ]; then
  echo "Some includes run against the layers (see scripts/check-layers.sh)."
  exit 1
fi
echo "layers: every include runs down the layers"
