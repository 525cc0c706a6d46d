#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz (clang, AddressSanitizer and UndefinedBehaviorSanitizer, in
# build-fuzz/), replays every committed crash reproducer, then runs each target on its committed corpus.
#   bash scripts/fuzz.sh                         every target, 30 seconds each
#   FUZZ_SECONDS=600 bash scripts/fuzz.sh links  one target, ten minutes
# JOBS sets the number of build jobs (default: every core); the targets then run side by side, one
# process each.
# New inputs go to build-fuzz/corpus/<target>/ (the committed corpus is only read); an input that fails
# is written to build-fuzz/artifacts/<target>/ and the run fails.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${FUZZ_SECONDS:-30}"
bash "$here/scripts/setup.sh" clang libclang-rt-14-dev
dir="$here/build-fuzz"
cmake -S "$here" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSELVANTHE_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$dir" -j"${JOBS:-$(nproc)}"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in "$here"/tests/fuzz/fuzz_*.cpp; do n="$(basename "$f" .cpp)"; targets+=("${n#fuzz_}"); done
fi
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
status=0
for t in "${targets[@]}"; do
  bin="$dir/fuzz/fuzz_$t"
  crashes="$here/tests/fuzz/crashes/$t"
  if [ -d "$crashes" ] && [ -n "$(ls -A "$crashes")" ]; then
    if "$bin" "$crashes"/* > "$dir/replay-$t.log" 2>&1; then
      echo "fuzz $t: $(ls "$crashes" | wc -l) committed reproducers pass"
    else
      echo "fuzz $t: a committed reproducer fails again"; tail -40 "$dir/replay-$t.log"; status=1
    fi
  fi
done
# The longest input each target is given: above its reader's cap, so that inputs at the cap and past it
# are tried (libFuzzer's own default, 4096 bytes, stops short of the .slv cap and at the .brn cap).
#   reading_file  8 KiB cap         details_file  4 KiB cap       links  1024 characters, UTF-16 too
#   referral      the longest entries at four bytes a character (about 10.5 KiB)
max_len() {
  case "$1" in
    reading_file) echo 16384 ;;
    details_file) echo 8192 ;;
    links) echo 8192 ;;
    referral) echo 16384 ;;
    *) echo 4096 ;;
  esac
}
# A seed longer than its target's longest input would be cut short: the cap has moved past it.
for t in "${targets[@]}"; do
  longest="$(find "$here/tests/fuzz/corpus/$t" -type f -printf '%s\n' | sort -n | tail -1)"
  if [ "${longest:-0}" -gt "$(max_len "$t")" ]; then
    echo "fuzz $t: a seed of $longest bytes is longer than -max_len=$(max_len "$t")"; status=1
  fi
done
# The targets run side by side, one process each.
pids=()
for t in "${targets[@]}"; do
  mkdir -p "$dir/corpus/$t" "$dir/artifacts/$t"
  "$dir/fuzz/fuzz_$t" -max_len="$(max_len "$t")" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=3072 \
    -print_final_stats=1 \
    -artifact_prefix="$dir/artifacts/$t/" "$dir/corpus/$t" "$here/tests/fuzz/corpus/$t" \
    > "$dir/fuzz-$t.log" 2>&1 &
  pids+=($!)
done
for i in "${!targets[@]}"; do
  t="${targets[$i]}"
  if wait "${pids[$i]}"; then
    echo "fuzz $t: ${seconds}s, no finding ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$dir/fuzz-$t.log" | grep -o '[0-9]*$') inputs)"
  else
    echo "fuzz $t: FINDING"; tail -60 "$dir/fuzz-$t.log"; status=1
  fi
done
exit $status
