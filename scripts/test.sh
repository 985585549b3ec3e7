#!/usr/bin/env bash
# Builds and runs every test of Quenchel:
#   1. dependencies  installs what is missing (scripts/install-deps.sh)
#   2. main          RelWithDebInfo build with tests and benchmarks; runs ctest
#                    (benchmarks are built so they keep compiling, not run)
#   3. sanitize      the core and cli tests again (no window program) with
#                    AddressSanitizer and UndefinedBehaviorSanitizer
#   4. fuzz          the libFuzzer targets built with clang, each run for a fixed time
# Build directories: ${QUENCHEL_BUILD_ROOT:-build}/{main,sanitize,fuzz}.
# QUENCHEL_FUZZ_SECONDS (default 60) is the time shared by all fuzz targets.
# Stops at the first failure with a non-zero exit status.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build_root=${QUENCHEL_BUILD_ROOT:-build}
[[ "$build_root" == /* ]] || build_root="$root/$build_root"
jobs=${QUENCHEL_JOBS:-$(nproc)}
fuzz_seconds=${QUENCHEL_FUZZ_SECONDS:-60}

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:check_initialization_order=1:strict_init_order=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

script_start=$SECONDS
stage_start=$SECONDS
stage_name=""
stage_count=4
stage_number=0
summary=()

finish_stage() {
  if [[ -n "$stage_name" ]]; then
    local took=$((SECONDS - stage_start))
    summary+=("$(printf '  %-14s %4d s' "$stage_name" "$took")")
    echo "---- $stage_name done in ${took} s"
  fi
}

stage() {
  finish_stage
  stage_number=$((stage_number + 1))
  stage_name=$1
  stage_start=$SECONDS
  echo
  echo "==== [$stage_number/$stage_count] $1: $2 (at $((SECONDS - script_start)) s)"
}

on_exit() {
  local status=$?
  if [[ $status -ne 0 ]]; then
    echo
    echo "==== FAILED in stage '$stage_name' after $((SECONDS - stage_start)) s (exit status $status, total $((SECONDS - script_start)) s)" >&2
  fi
}
trap on_exit EXIT

# Configures a build directory with Ninja. The compiler is chosen when the directory is
# first configured; later runs reuse it.
configure() {
  local dir=$1 compiler=$2
  shift 2
  CXX=$compiler cmake -S "$root" -B "$dir" -G Ninja "$@"
}

stage dependencies "installing what is missing"
bash "$root/scripts/install-deps.sh"

stage main "build and ctest in $build_root/main"
configure "$build_root/main" g++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENCHEL_BUILD_TESTS=ON -DQUENCHEL_BUILD_BENCH=ON -DQUENCHEL_BUILD_APP=ON \
  -DQUENCHEL_BUILD_FUZZ=OFF -DQUENCHEL_SANITIZE=OFF
cmake --build "$build_root/main" -j "$jobs"
ctest --test-dir "$build_root/main" --output-on-failure --no-tests=error -j "$jobs"

stage sanitize "AddressSanitizer and UBSan build and ctest in $build_root/sanitize"
configure "$build_root/sanitize" g++ \
  -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" -DQUENCHEL_BUILD_TESTS=ON -DQUENCHEL_BUILD_BENCH=OFF \
  -DQUENCHEL_BUILD_APP=OFF -DQUENCHEL_BUILD_FUZZ=OFF -DQUENCHEL_SANITIZE=ON
cmake --build "$build_root/sanitize" -j "$jobs"
ctest --test-dir "$build_root/sanitize" --output-on-failure --no-tests=error -j "$jobs"

stage fuzz "libFuzzer targets in $build_root/fuzz, ${fuzz_seconds} s in all"
configure "$build_root/fuzz" clang++ \
  -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" -DQUENCHEL_BUILD_TESTS=OFF -DQUENCHEL_BUILD_BENCH=OFF \
  -DQUENCHEL_BUILD_APP=OFF -DQUENCHEL_BUILD_FUZZ=ON -DQUENCHEL_SANITIZE=OFF
cmake --build "$build_root/fuzz" -j "$jobs" --target quenchel-fuzz

targets=()
for source in "$root"/fuzz/*_fuzz.cpp; do
  name=$(basename "$source" _fuzz.cpp)
  targets+=("$name")
done
per_target=$((fuzz_seconds / ${#targets[@]}))
((per_target >= 1)) || per_target=1

# Each target runs on a copy of its committed seeds, so the corpus it grows and any crash
# file it writes stay in the build directory.
for name in "${targets[@]}"; do
  work="$build_root/fuzz/run/$name"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp "$root/fuzz/corpus/$name"/* "$work/corpus/"
  echo "-- ${name}_fuzz for ${per_target} s (log: $work/fuzz.log)"
  if (cd "$work" && "$build_root/fuzz/fuzz/${name}_fuzz" \
        -max_total_time="$per_target" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -dict="$root/fuzz/competition.dict" -artifact_prefix="$work/artifacts/" \
        "$work/corpus" </dev/null >"$work/fuzz.log" 2>&1); then
    grep -E '^(Done |stat::number_of_executed_units|stat::peak_rss_mb)' "$work/fuzz.log" || true
    echo "   corpus: $(find "$work/corpus" -type f | wc -l) inputs"
  else
    status=$?
    tail -n 80 "$work/fuzz.log" >&2
    echo "-- ${name}_fuzz failed (exit status $status); the input is in $work/artifacts/:" >&2
    ls -l "$work/artifacts" >&2
    exit 1
  fi
done

finish_stage
echo
echo "==== all stages passed in $((SECONDS - script_start)) s"
printf '%s\n' "${summary[@]}"
