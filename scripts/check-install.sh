#!/usr/bin/env bash
# Checks what a user installs, both ways.
# From the build in build/ (made already): cmake --install into a temporary prefix, the desktop entry and
# the metainfo validated, the check of that installation (the program's own search for its pictures from
# the installed program's folder, and the files that name one another), and the installed program started
# on a screen of its own (Xvfb) to see its main window come up, and a second copy say that one runs.
# Then the Debian packages, built by scripts/package.sh: lintian finds no error and no warning; the
# program is hardened (hardening-check, and control-flow protection in every object compiled), stripped,
# with its debugging symbols in a package of their own; the pictures are in the architecture-independent
# data package; the two packages unpacked together pass the same check of an installation, answer
# --version with no display and with the package's version, and come up. PACKAGES names a folder of
# packages scripts/package.sh built already (its build-deb/, with the package build's objects kept there),
# to check those in place of building them again.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build"
bash "$here/scripts/setup.sh" desktop-file-utils appstream dpkg-dev file lintian devscripts xvfb x11-utils

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The mapped top-level windows of the screen :$1, one a line: "process<TAB>name".
windows_on() {
  DISPLAY=":$1" xwininfo -root -children 2>/dev/null | sed -nE 's/^ +(0x[0-9a-f]+) "(.*)": \(.*/\1\t\2/p' |
    while IFS=$'\t' read -r id name; do
      DISPLAY=":$1" xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' || continue
      printf '%s\t%s\n' "$(DISPLAY=":$1" xprop -id "$id" _NET_WM_PID 2>/dev/null | grep -o '[0-9]*$')" "$name"
    done
}

# has_window SCREEN PID NAME: the process shows a window of that name on the screen. (grep reads the whole
# list: with -q it would end the pipe early, which pipefail counts as a failure.)
has_window() { windows_on "$1" | grep -xF "$2"$'\t'"$3" > /dev/null; }

# shows SCREEN PID NAME: the process comes to show that window within 30 seconds, and is running then.
shows() {
  for _ in $(seq 60); do
    kill -0 "$2" 2>/dev/null || return 1
    has_window "$@" && return 0
    sleep 0.5
  done
  return 1
}

# start_copy PREFIX HOME SCREEN LOG: a copy of the installed program in the background, with nothing of
# this shell's environment but a home of its own and the screen.
start_copy() {
  env -i PATH=/usr/bin:/bin HOME="$2" XDG_CONFIG_HOME="$2/.config" XDG_DATA_HOME="$2/.local/share" \
    XDG_CACHE_HOME="$2/.cache" XDG_RUNTIME_DIR="$2" TMPDIR="$2/tmp" DISPLAY=":$3" \
    "$1/games/selvanthe" > "$4" 2>&1 &
}

# The program of an installation under $1, started on a screen of its own (Xvfb) with a home of its own,
# shows its main window ("Selvanthe v<version>") and goes on running; a second copy started beside it
# shows the message box that says one already runs ("Selvanthe"), and no main window. A program that
# ends, or that stands on a message box in place of its main window, fails the check.
comes_up() {
  local home="$work/home-$2" number="$work/screen-$2"
  mkdir -p "$home/tmp"
  chmod 700 "$home"
  Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3> "$number" > "$work/screen-$2.log" 2>&1 &
  local xvfb=$! display=""
  for _ in $(seq 60); do
    display="$(cat "$number")"
    [ -z "$display" ] || break
    sleep 0.5
  done
  [ -n "$display" ] || { echo "the screen for the $2 program did not start:"; cat "$work/screen-$2.log"; exit 1; }
  local caption
  caption="Selvanthe v$(env -i "$1/games/selvanthe" --version | sed 's/^Selvanthe //')"
  local first second fault=""
  start_copy "$1" "$home" "$display" "$work/program-$2-first.log"
  first=$!
  if ! shows "$display" "$first" "$caption"; then
    fault="the $2 program did not show its main window \"$caption\""
  else
    start_copy "$1" "$home" "$display" "$work/program-$2-second.log"
    second=$!
    if ! shows "$display" "$second" Selvanthe || has_window "$display" "$second" "$caption"; then
      fault="a second $2 program, started beside the first, did not stand on the message that one runs"
    elif ! kill -0 "$first" 2>/dev/null; then
      fault="the first $2 program ended when the second started"
    fi
  fi
  if [ -n "$fault" ]; then
    echo "$fault; the windows on the screen (process, name):"
    windows_on "$display"
    for log in "$work/program-$2-"*.log; do echo "${log##*/}:"; cat "$log"; done
  fi
  kill "$first" ${second:+"$second"} 2>/dev/null || true
  wait "$first" ${second:+"$second"} 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  [ -z "$fault" ] || exit 1
  echo "the $2 program showed its main window \"$caption\"; a second copy said that one runs"
}

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" --strip > "$work/install.log"
echo "installed into a temporary prefix"
for f in "$prefix"/share/applications/*.desktop; do
  desktop-file-validate "$f"
  echo "desktop-file-validate: $(basename "$f") passes"
done
for f in "$prefix"/share/metainfo/*.metainfo.xml; do
  appstreamcli validate --no-net "$f"
done
"$build/tests/bin/install_tst_installed" "$prefix"
comes_up "$prefix" installed

if [ -n "${PACKAGES:-}" ]; then
  debs="$PACKAGES"
  echo "the packages built in ${debs#"$here"/}"
else
  bash "$here/scripts/package.sh" > "$work/package.log" 2>&1 || { cat "$work/package.log"; exit 1; }
  debs="$here/build-deb"
fi
lintian --fail-on error,warning --display-info --no-tag-display-limit "$debs"/selvanthe_*.changes
echo "lintian: no error, no warning"

program="$(ls "$debs"/selvanthe_*_*.deb)"
data="$(ls "$debs"/selvanthe-data_*_all.deb)"
symbols="$(ls "$debs"/selvanthe-dbgsym_*.deb)"
for deb in "$program" "$data" "$symbols"; do
  dpkg-deb -f "$deb" Package Version Architecture Depends
done
version="$(dpkg-deb -f "$program" Version)"
case "$(dpkg-deb -f "$program" Depends)" in
  *"selvanthe-data (= $version)"*libqt6widgets6*) ;;
  *) echo "the program's Depends lacks its data package of the same version or the Qt libraries"; exit 1 ;;
esac
pictures="$(dpkg-deb -c "$program" | grep -E '\.(jpg|png)$' || true)"
if [ -n "$pictures" ]; then
  printf "pictures in the program's package, not in selvanthe-data:\n%s\n" "$pictures"
  exit 1
fi
[ "$(dpkg-deb -f "$data" Architecture)" = all ] || { echo "selvanthe-data is not architecture-independent"; exit 1; }

root="$work/root"
dpkg-deb -x "$program" "$root"
dpkg-deb -x "$data" "$root"
"$build/tests/bin/install_tst_installed" "$root/usr"
# hardening-check finds control-flow protection in a program's ELF notes, which the linker writes only
# when every object linked carries it; Debian 12's C library start files (Scrt1.o, crti.o, crtn.o) carry
# none, so no program of Debian 12 has it, /usr/bin/ls neither. Every object the package build compiled
# is checked for it instead.
hardening-check --nocfprotection "$root/usr/games/selvanthe"
if [ "$(dpkg --print-architecture)" = amd64 ]; then
  objects=0; unmarked=()
  while IFS= read -r -d '' o; do
    objects=$((objects + 1))
    [[ "$(readelf -n "$o")" == *'x86 feature: IBT, SHSTK'* ]] || unmarked+=("$o")
  done < <(find "$debs"/selvanthe/obj-* -name '*.o' -print0)
  if [ "$objects" -eq 0 ] || [ ${#unmarked[@]} -gt 0 ]; then
    echo "objects of the package build without control-flow protection (of $objects):"; printf '%s\n' "${unmarked[@]}"
    exit 1
  fi
  echo "control-flow protection: all $objects objects the package build compiled carry it"
fi
described="$(file "$root/usr/games/selvanthe")"
[[ "$described" == *', stripped'* ]] || { echo "the packaged program is not stripped"; exit 1; }
build_id="$(grep -o 'BuildID\[sha1\]=[0-9a-f]*' <<< "$described" | cut -d= -f2)"
case "$(dpkg-deb -c "$symbols")" in
  *"/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug"*) ;;
  *) echo "selvanthe-dbgsym holds no symbols for the packaged program (build id ${build_id:-none})"; exit 1 ;;
esac
answer="$(env -i "$root/usr/games/selvanthe" --version)"
[ "$answer" = "Selvanthe ${version%-*}" ] || { echo "the packaged program's --version says \"$answer\", the package is $version"; exit 1; }
echo "the packaged program says \"$answer\" with no display"
comes_up "$root/usr" packaged
