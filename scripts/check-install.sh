#!/usr/bin/env bash
# Checks what a user installs, both ways.
# From the build in build/ (made already): cmake --install into a temporary prefix, the desktop entry and
# the metainfo validated, the check of that installation (the program's own search for its pictures from
# the installed program's folder, and the files that name one another), and the installed program started
# on the offscreen platform to see it come up and keep running for two seconds.
# Then the Debian packages, built by scripts/package.sh: lintian finds no error and no warning; the
# program is hardened (hardening-check, and control-flow protection in every object compiled), stripped,
# with its debugging symbols in a package of their own; the pictures are in the architecture-independent
# data package; the two packages unpacked together pass the same check of an installation, answer
# --version with no display and with the package's version, and come up.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build"
bash "$here/scripts/setup.sh" desktop-file-utils appstream dpkg-dev file --without-recommends lintian devscripts

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The program of an installation under $1 comes up on the offscreen platform and is still running after two
# seconds, with a home of its own.
comes_up() {
  local home="$work/home-$2"
  mkdir -p "$home/tmp"
  local rc=0
  env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home" TMPDIR="$home/tmp" QT_QPA_PLATFORM=offscreen \
    timeout 2 "$1/games/selvanthe" > "$work/program-$2.log" 2>&1 || rc=$?
  if [ "$rc" -ne 124 ]; then
    echo "the $2 program ended within two seconds (exit $rc):"
    cat "$work/program-$2.log"
    exit 1
  fi
  echo "the $2 program came up and was still running after two seconds"
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

bash "$here/scripts/package.sh" > "$work/package.log" 2>&1 || { cat "$work/package.log"; exit 1; }
debs="$here/build-deb"
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
