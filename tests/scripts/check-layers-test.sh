#!/usr/bin/env bash
# The layer check, fed includes that run against the layers in each form the compiler reads, in a copy of
# the sources: each one fails it, naming the file, the line and the header; the sources as they are, and
# includes that run down the layers, pass. The same for the dependency files of a build.
set -uo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
tree="$work/tree"
failures=0

fresh() {
  rm -rf "$tree"
  mkdir -p "$tree/scripts"
  cp "$here/scripts/check-layers.sh" "$tree/scripts/"
  cp -r "$here/src" "$tree/"
  tree="$(cd "$tree" && pwd -P)"
}

# check NAME RC TOLD [BUILD]: the check run on the tree ends with RC, and its output holds TOLD.
check() {
  local out rc
  out="$(bash "$tree/scripts/check-layers.sh" ${4:+"$4"} 2>&1)"
  rc=$?
  if [ "$rc" -ne "$2" ] || [[ "$out" != *"$3"* ]]; then
    echo "FAIL: $1: exit $rc (expected $2), output:"
    echo "$out" | sed 's/^/  /'
    echo "  expected it to hold: $3"
    failures=$((failures + 1))
  else
    echo "PASS: $1"
  fi
}

# include FILE LINE: adds the line at the top of FILE (so it is line 1).
include() { sed -i "1i $2" "$tree/$1"; }

fresh
check "the sources as they are" 0 "layers: every include runs down the layers"

wrong=(
  '#include <tarot/Deal.h>'
  '#include "platform/../tarot/Deal.h"'
  '#include "../tarot/Deal.h"'
  '#  include   <shell/../tarot/./Deal.h>'
)
for line in "${wrong[@]}"; do
  fresh
  include src/platform/Twips.cpp "$line"
  check "$line in src/platform" 1 "src/platform/Twips.cpp:1: includes src/tarot/Deal.h, against the layers"
done
fresh
include src/shell/Codec.h '#include <runes/RuneTables.h>'
check "a tool's header in the shell" 1 "src/shell/Codec.h:1: includes src/runes/RuneTables.h, against the layers"

fresh
sed -i '1a const char* first = "frmTarotOpen";' "$tree/src/shell/ToolSwitch.cpp"
check "a tool window's name in the shell" 1 "src/shell/ToolSwitch.cpp:2: names the tool window frmTarotOpen: the shell and the platform know no tool"
fresh
sed -i '1a const char* named = "frmRunicTarotSave";' "$tree/src/platform/Forms.cpp"
check "a tool window's name in the platform" 1 "src/platform/Forms.cpp:2: names the tool window frmRunicTarotSave"
fresh
sed -i '1a const char* own = "frmMDI";' "$tree/src/shell/ToolSwitch.cpp"
check "the shell's own window named in the shell" 0 "layers: every include runs down the layers"

right=(
  '#include <platform/Twips.h>'
  '#include "Deal.h"'
  '#include "../shell/Codec.h"'
  '#include <QWidget>'
)
for line in "${right[@]}"; do
  fresh
  include src/tarot/Deal.cpp "$line"
  check "$line in src/tarot" 0 "layers: every include runs down the layers"
done

# A dependency file as gcc writes one: the object, then every file it was built from, as it was found.
# depfile HEADER [TARGET]: the platform's Twips.cpp of the target (default selvanthe_core) built from it.
depfile() {
  local target="${2:-selvanthe_core}"
  local d="$tree/build/CMakeFiles/$target.dir/src/platform"
  mkdir -p "$d"
  printf 'CMakeFiles/%s.dir/src/platform/Twips.cpp.o: \\\n %s/src/platform/Twips.cpp \\\n %s \\\n /usr/include/stdio.h\n' \
    "$target" "$tree" "$1" > "$d/Twips.cpp.o.d"
}
fresh
depfile "$tree/src/platform/Twips.h"
check "an object built from its own folder's headers" 0 "as the compiler read them in build" build
fresh
depfile "$tree/src/platform/../tarot/Deal.h"
check "an object built from a header above it" 1 \
  "src/platform/Twips.cpp: was built from src/tarot/Deal.h, against the layers" build
fresh
check "a build that is not there" 1 "no dependency files under build" build
qt=/usr/include/x86_64-linux-gnu/qt6
fresh
depfile "$qt/QtCore/qstring.h" selvanthe_rules
check "a rule built on Qt Core" 0 "as the compiler read them in build" build
fresh
depfile "$qt/QtGui/qcolor.h" selvanthe_rules
check "a rule built from a header of Qt Gui" 1 \
  "src/platform/Twips.cpp: was built from $qt/QtGui/qcolor.h, a header of QtGui: the rules are built on Qt Core alone" build
fresh
depfile "$qt/QtWidgets/qwidget.h"
check "a window built from a header of Qt Widgets" 0 "as the compiler read them in build" build

if [ "$failures" -ne 0 ]; then
  echo "$failures cases of the layer check failed"
  exit 1
fi
echo "every case of the layer check passed"
