#!/usr/bin/env bash
# Builds the fuzz targets with clang++ in build-fuzz and runs each for a set
# time (default 60 seconds each): scripts/fuzz.sh [seconds] [target...]
# Targets: page_scanner block_reader page_round_trip project_reader. Findings (crashing
# inputs) are left in build-fuzz/findings; the corpora grow in build-fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(page_scanner block_reader page_round_trip project_reader)

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTORVANE_FUZZ=ON -DTORVANE_GUI=OFF -DTORVANE_TESTS=OFF -DTORVANE_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]/#/fuzz_}"

status=0
for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  findings="build-fuzz/findings/$target"
  mkdir -p "$corpus" "$findings"
  # The example pages seed the page targets, the project files the project
  # reader; former round-trip findings seed the round trip.
  if [ "$target" = project_reader ]; then
    find examples tests -name '*.ipj' -exec cp -n {} "$corpus/" \;
  elif [ "$target" != block_reader ]; then
    find examples -name '*.htm' -exec cp -n {} "$corpus/" \;
  fi
  # The round trip also starts from pages with several blocks, unclosed
  # comments and unclosed title, script and style elements, and its
  # dictionary gives it the markup those are made of.
  options=()
  if [ "$target" = page_round_trip ]; then
    cp -n tests/document/round-trip-pages/* fuzz/seeds/page_round_trip/* "$corpus/"
    options=(-dict=fuzz/page.dict)
  fi
  echo "== $target: ${seconds}s"
  if ! "build-fuzz/fuzz/fuzz_$target" "$corpus" -max_total_time="$seconds" -max_len=8192 "${options[@]}" \
       -artifact_prefix="$findings/" -print_final_stats=1; then
    status=1
  fi
done
exit $status
