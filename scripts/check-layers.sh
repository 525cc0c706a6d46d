#!/usr/bin/env bash
# Checks that every include of the program's own headers runs down the layers, never up or across:
#   app/            the composition root and start-up: may include anything
#   src/runictarot  the runic tarot: its own, the runes', the tarot's, the shell's and the platform's
#   src/tarot       the tarot: its own, the shell's and the platform's
#   src/runes       the runes: its own, the shell's and the platform's
#   src/shell       the main window and what every tool shares: its own and the platform's
#   src/platform    the desktop under everything: its own alone
# So no two folders include each other, and the shell knows no tool: nor does it, or the platform, name a
# tool's window in a string.
#   bash scripts/check-layers.sh            the includes as written in src/
#   bash scripts/check-layers.sh build      the same, and the headers the compiler read for each object of
#                                           the build in build/ (its dependency files)
# An include is read as the compiler finds it, in either form: "..." from the including file's folder
# first, then from src/; <...> from src/; with "." and ".." taken out of the path. So neither
# <tarot/Deal.h> nor "platform/../tarot/Deal.h" in src/platform passes. The dependency files name every
# header an object was built from, however it was reached, which the reading of the text cannot see
# (a macro that names a header, a folder added to the include path); and that the objects of the rules
# read no header of Qt but Qt Core's. That the rules call nothing else of Qt is held by the build itself.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd -P)
build=${1:-}
allowed_list='platform=platform
shell=shell platform
tarot=tarot shell platform
runes=runes shell platform
runictarot=runictarot runes tarot shell platform'

# The sources: git's list where this is the project's own checkout, else every file under src/.
if [ "$(git -C "$root" rev-parse --show-toplevel 2>/dev/null)" = "$root" ]; then
  sources=$(git -C "$root" ls-files 'src/*.h' 'src/*.cpp')
else
  sources=$(cd "$root" && find src -name '*.h' -o -name '*.cpp' | sort)
fi

# A path with "." and ".." taken out, as the file system reads it (no link in src/ to follow).
plain='function plain(path,    n, parts, i, out, depth, stack) {
  n = split(path, parts, "/"); depth = 0
  for (i = 1; i <= n; i++) {
    if (parts[i] == "" || parts[i] == ".") continue
    if (parts[i] == "..") { if (depth > 0) depth--; continue }
    stack[++depth] = parts[i]
  }
  out = ""
  for (i = 1; i <= depth; i++) out = out (i > 1 ? "/" : "") stack[i]
  return out
}
'

# Prints "file:line: folder to target" for each include that lands in src/, one line each, with the
# target made plain. Reads the sources' names, then lines "file<TAB>line<TAB>form<TAB>path".
resolve() {
  awk -F'\t' "$plain"'
    NR == FNR { known[$0] = 1; next }
    {
      file = $1; folder = file; sub(/^src\//, "", folder); sub(/\/.*/, "", folder)
      here = file; sub(/\/[^\/]*$/, "", here)
      target = ""
      if ($3 == "\"" && (plain(here "/" $4) in known)) target = plain(here "/" $4)
      else if (plain("src/" $4) in known) target = plain("src/" $4)
      if (target != "") { to = target; sub(/^src\//, "", to); sub(/\/.*/, "", to); print file ":" $2 ": " folder " " to " " target }
    }' <(printf '%s\n' "$sources") -
}

# Judges lines "where: folder to target" against the layers; prints each that runs against them. A line
# "where: rules Module header" is an object of the rules built from a header of a Qt module beside Qt Core.
judge() {
  awk -v allowed_list="$allowed_list" -v what="$1" '
    BEGIN { n = split(allowed_list, rows, "\n"); for (i = 1; i <= n; i++) { split(rows[i], kv, "="); allowed[kv[1]] = " " kv[2] " " } }
    $2 == "rules" { print $1 " " what " " $4 ", a header of " $3 ": the rules are built on Qt Core alone"; bad = 1; next }
    {
      where = $1; folder = $2; to = $3; target = $4
      if (!(folder in allowed)) { print where " a folder the layers do not know: " folder; bad = 1; next }
      if (index(allowed[folder], " " to " ") == 0) {
        print where " " what " " target ", against the layers (" folder " may include" allowed[folder] ")"; bad = 1
      }
    }
    END { exit bad }'
}

bad=0
# Every include line, in both forms.
(cd "$root" && printf '%s\0' $sources | xargs -0 grep -n -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]') |
  sed -E 's/^([^:]*):([0-9]+):[^"<]*(["<])([^">]*)[">].*/\1\t\2\t\3\t\4/' | resolve | judge includes || bad=1

# The shell and the platform know no tool, not even by a window's name: a string that names a tool's
# window (its kFormName) is against the layers there as an include would be.
tool_windows=$(cd "$root" && printf '%s\n' $sources | grep -E '^src/(tarot|runes|runictarot)/[^/]*\.h$' | tr '\n' '\0' |
  xargs -0 sed -n -E 's/.*kFormName[[:space:]]*=[[:space:]]*"([A-Za-z0-9_]+)".*/\1/p' | sort -u)
for window in $tool_windows; do
  (cd "$root" && printf '%s\n' $sources | grep -E '^src/(shell|platform)/' | tr '\n' '\0' |
    xargs -0 grep -n -H -F "\"$window\"") |
    sed -E "s/^([^:]*):([0-9]+):.*/\1:\2: names the tool window $window: the shell and the platform know no tool/" |
    grep . && bad=1
done

if [ -n "$build" ]; then
  # Each object compiled from src/<folder>/ and every header of src/ its dependency file names.
  deps=$(cd "$root/$build" 2>/dev/null && find . -name '*.o.d' -path '*/src/*')
  if [ -z "$deps" ]; then
    echo "no dependency files under $build: build it first"
    exit 1
  fi
  # The object's own name (what follows src/ in its path) gives its folder; every word of the file that
  # is a path under src/ is a header it was built from (the first, the object itself, is not).
  printf '%s\n' "$deps" | (cd "$root/$build" && tr '\n' '\0' | xargs -0 awk -v root="$root/" "$plain"'
      FNR == 1 { object = FILENAME; sub(/^.*\/src\//, "src/", object); sub(/\.o\.d$/, "", object)
                 folder = object; sub(/^src\//, "", folder); sub(/\/.*/, "", folder) }
      {
        for (i = 1; i <= NF; i++) {
          # The rules are built on Qt Core alone: a header of another module of Qt is against them.
          if (FILENAME ~ /\/selvanthe_rules\.dir\// && match($i, /\/qt6\/Qt[A-Za-z]+\//)) {
            module = substr($i, RSTART + 5, RLENGTH - 6)
            if (module != "QtCore") print object ": rules " module " " $i
          }
          if (index($i, root "src/") != 1) continue
          target = plain(substr($i, length(root) + 1))
          if (target !~ /^src\//) continue
          to = target; sub(/^src\//, "", to); sub(/\/.*/, "", to)
          print object ": " folder " " to " " target
        }
      }') | sort -u | judge "was built from" || bad=1
fi

if [ $bad -ne 0 ]; then
  echo "Some includes run against the layers (see scripts/check-layers.sh)."
  exit 1
fi
if [ -n "$build" ]; then
  echo "layers: every include runs down the layers, as written and as the compiler read them in $build"
else
  echo "layers: every include runs down the layers"
fi
