#!/usr/bin/env bash
# Checks that the lines a change touches in C++ sources are laid out as .clang-format says. The change
# is what lies between the given commit (default: the commit before this one) and the working tree; an
# engineer about to land runs it against main. Only touched lines are held to the format: older lines
# that the formatter would break differently are left as they are, so a change's diff stays its own.
set -uo pipefail
cd "$(dirname "$0")/.."
base="${1:-HEAD^}"
# A shallow clone (git clone --depth 1, the default of many hosted CI services) may lack the commit to
# compare with: fetch as much more history as that takes, from where the clone came from. What cannot be
# reached fails the check: lines nobody compared are not lines that passed.
if ! git rev-parse -q --verify "$base^{commit}" >/dev/null && [ "$(git rev-parse --is-shallow-repository)" = true ]; then
  for depth in 1 10 100; do
    git fetch -q --deepen=$depth 2>/dev/null || break
    git rev-parse -q --verify "$base^{commit}" >/dev/null && break
  done
fi
if ! git rev-parse -q --verify "$base^{commit}" >/dev/null; then
  echo "format not checked: this clone holds no commit $base to compare with."
  if [ "$(git rev-parse --is-shallow-repository)" = true ]; then
    echo "It is a shallow clone, and more of its history could not be fetched: clone it whole (or"
    echo "git fetch --unshallow) and run the check again."
  fi
  exit 1
fi
out=$(git clang-format --binary clang-format --extensions cpp,h --diff "$base" -- app src tests tools bench 2>&1)
rc=$?
if [ $rc -ne 0 ] && ! grep -q '^diff ' <<<"$out"; then
  echo "$out"
  echo "format check failed to run"
  exit 1
fi
if grep -q '^diff ' <<<"$out"; then
  echo "$out"
  echo "These lines, touched since $base, are not laid out as .clang-format says:"
  echo "run 'git clang-format $base' and look at what it changed."
  exit 1
fi
echo "format: the lines touched since $base are laid out as .clang-format says"
