#!/usr/bin/env bash
# Each fuzz target for a bounded time (HKCAL_FUZZ_SECONDS, 150 s by default,
# shared 3:2 between the classic and the Hong Kong library) with the dictionary. A crash, a sanitizer report or a
# broken property fails the step and prints the input that caused it.
set -euo pipefail
.ci/apt-install clang libclang-rt-14-dev
cmake --preset fuzz
cmake --build --preset fuzz

seconds="${HKCAL_FUZZ_SECONDS:-150}"
work=build/fuzz/runs
for target in fuzz_classic fuzz_hk; do
  share=$([ "$target" = fuzz_classic ] && echo 3 || echo 2)
  run_seconds=$((seconds * share / 5))
  corpus="$work/$target/corpus"
  findings="$work/$target/findings"
  log="$work/$target/log"
  mkdir -p "$corpus" "$findings"
  rm -f "$findings"/*
  echo "--- $target, $run_seconds s"
  if "build/fuzz/fuzz/$target" -max_total_time="$run_seconds" -timeout=10 \
      -print_final_stats=1 -dict=fuzz/hkcal.dict -artifact_prefix="$findings/" \
      "$corpus" >"$log" 2>&1; then
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
