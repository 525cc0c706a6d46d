#!/usr/bin/env bash
# Builds the Debian packages of one commit twice and compares them byte for byte:
#   bash scripts/check-reproducible.sh [commit]     (default: HEAD; changes not committed are not built)
# Each build runs scripts/package.sh in a fresh export of the commit, under build-repro/first and under a
# folder of another name and depth, build-repro/second/tree, one after the other, so that the two differ
# in build path and time. For each package it says "same" or lists the files inside that differ (with
# diffoscope's report as well where diffoscope is installed). Fails when any package differs. JOBS sets
# the number of build jobs (default: every core).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
commit="$(git -C "$here" rev-parse --verify "${1:-HEAD}^{commit}")"
work="$here/build-repro"
rm -rf "$work"
builds=("$work/first" "$work/second/tree")
for tree in "${builds[@]}"; do
  mkdir -p "$tree"
  git -C "$here" archive "$commit" | tar -C "$tree" -xf -
  echo "building $commit in ${tree#"$here"/}"
  bash "$tree/scripts/package.sh" > "$tree.log" 2>&1 || { tail -40 "$tree.log"; exit 1; }
done

first="${builds[0]}/build-deb"
second="${builds[1]}/build-deb"
status=0
for deb in "$first"/*.deb; do
  name="$(basename "$deb")"
  if [ ! -f "$second/$name" ]; then
    echo "$name: made by the first build only"; status=1; continue
  fi
  if cmp -s "$deb" "$second/$name"; then
    echo "$name: same ($(sha256sum < "$deb" | cut -c1-16))"
    continue
  fi
  status=1
  echo "$name: DIFFERS"
  for build in first second; do
    dir="$work/unpacked/$name/$build"
    mkdir -p "$dir"
    [ "$build" = first ] && from="$deb" || from="$second/$name"
    dpkg-deb -R "$from" "$dir"
  done
  (cd "$work/unpacked/$name" && diff -rq first second) | sed 's/^/  /' || true
  # The members' times, owners and order are not files: the listings show those.
  diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$second/$name") > /dev/null \
    || echo "  the listings differ (times, owners, modes or order): compare dpkg-deb -c of both"
  if command -v diffoscope > /dev/null; then
    diffoscope --text "$work/$name.diffoscope.txt" "$deb" "$second/$name" > /dev/null || true
    echo "  diffoscope's report: ${work#"$here"/}/$name.diffoscope.txt"
  fi
done
for deb in "$second"/*.deb; do
  [ -f "$first/$(basename "$deb")" ] || { echo "$(basename "$deb"): made by the second build only"; status=1; }
done
if [ $status -eq 0 ]; then
  echo "the two builds of $commit made the same packages"
fi
exit $status
