#!/usr/bin/env bash
# Each fuzz target for a bounded time (HKCAL_FUZZ_SECONDS, 75 s by default)
# from its seed corpus with the dictionary. A crash, a sanitizer report or a
# broken property fails the step and prints the input that caused it.
set -euo pipefail
.ci/apt-install clang libclang-rt-14-dev
cmake --preset fuzz
cmake --build --preset fuzz

seconds="${HKCAL_FUZZ_SECONDS:-75}"
work=build/fuzz/runs
for target in fuzz_calendar fuzz_lunar_holidays fuzz_timezone_names; do
  corpus="$work/$target/corpus"   # new inputs go here, the seeds stay as they are
  findings="$work/$target/findings"
  log="$work/$target/log"
  mkdir -p "$corpus" "$findings"
  rm -f "$findings"/*
  # The time-zone target runs in a zone 5:45 ahead of UTC, so that the local
  # bias is neither 0 nor whole hours.
  zone=""
  [ "$target" = fuzz_timezone_names ] && zone="<+0545>-5:45"
  echo "--- $target, $seconds s"
  if TZ="${zone:-${TZ:-UTC0}}" "build/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
      -print_final_stats=1 -dict=fuzz/hkcal.dict -artifact_prefix="$findings/" \
      "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    grep -E '^(#[0-9]+[[:space:]]+DONE|stat::)' "$log"
  else
    tail -n 80 "$log"
    for input in "$findings"/*; do
      [ -f "$input" ] || continue
      echo "--- reproducer $input ($(wc -c <"$input") bytes); rerun: build/fuzz/fuzz/$target <file>"
      od -A x -t x1z -v "$input"
    done
    exit 1
  fi
done
