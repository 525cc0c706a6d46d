#!/usr/bin/env bash
# Checks what a user installs, from the build in build/ (made already): cmake --install into a
# temporary prefix, the desktop entry and the metainfo validated, the check of that installation (the
# program's own search for its pictures from the installed program's folder, and the files that name one
# another), the installed program started on the offscreen platform to see it come up and keep running
# for two seconds; then the Debian package built and what it holds checked.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build"
bash "$here/scripts/setup.sh" desktop-file-utils appstream dpkg-dev file

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
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

mkdir -p "$work/home" "$work/tmp"
rc=0
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
  XDG_CACHE_HOME="$work/home/.cache" TMPDIR="$work/tmp" QT_QPA_PLATFORM=offscreen \
  timeout 2 "$prefix/bin/selvanthe" > "$work/program.log" 2>&1 || rc=$?
if [ "$rc" -ne 124 ]; then
  echo "the installed program ended within two seconds (exit $rc):"
  cat "$work/program.log"
  exit 1
fi
echo "the installed program came up and was still running after two seconds"

bash "$here/scripts/package.sh" > "$work/package.log" 2>&1 || { cat "$work/package.log"; exit 1; }
deb="$(ls "$build"/selvanthe_*.deb)"
dpkg-deb -f "$deb" Package Version Architecture Depends
dpkg-deb -x "$deb" "$work/deb"
in_bin="$(ls -A "$work/deb/usr/bin")"
if [ "$in_bin" != "selvanthe" ]; then
  printf 'the package puts more than the program in /usr/bin:\n%s\n' "$in_bin"
  exit 1
fi
[ -f "$work/deb/usr/share/doc/selvanthe/copyright" ] || { echo "the package has no copyright file"; exit 1; }
file "$work/deb/usr/bin/selvanthe" | grep -q ', stripped' || { echo "the packaged program is not stripped"; exit 1; }
case "$(dpkg-deb -f "$deb" Depends)" in
  *libqt6widgets6*) ;;
  *) echo "the package's Depends lacks the Qt libraries"; exit 1 ;;
esac
echo "package $(basename "$deb"): only the stripped program in /usr/bin, Depends read from its libraries"
