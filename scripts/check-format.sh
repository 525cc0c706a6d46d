#!/usr/bin/env bash
# Checks that the lines a change touches in C++ sources are laid out as .clang-format says. The change
# is what lies between the given commit (default: the commit before this one) and the working tree; an
# engineer about to land runs it against main. Only touched lines are held to the format: older lines
# that the formatter would break differently are left as they are, so a change's diff stays its own.
set -uo pipefail
cd "$(dirname "$0")/.."
base="${1:-HEAD^}"
if ! git rev-parse -q --verify "$base^{commit}" >/dev/null; then
  echo "format not checked: no commit $base to compare with (a clone without history?)"
  exit 0
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
