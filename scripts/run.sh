#!/usr/bin/env bash
# Builds Quenchel in ${QUENCHEL_BUILD_ROOT:-build}/main and runs the main job on the
# sample competition. Extra arguments are passed on to the program.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build_root=${QUENCHEL_BUILD_ROOT:-build}
[[ "$build_root" == /* ]] || build_root="$root/$build_root"
build="$build_root/main"

# The main job: the program (its file name is the build target) and its arguments.
main_job=("$build/app/Quenchel" "$root/examples/spring-show.FCR")

bash "$root/scripts/install-deps.sh"
# The same configuration as the main stage of scripts/test.sh, so both share one build.
CXX=g++ cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENCHEL_BUILD_TESTS=ON -DQUENCHEL_BUILD_BENCH=ON -DQUENCHEL_BUILD_APP=ON \
  -DQUENCHEL_BUILD_FUZZ=OFF -DQUENCHEL_SANITIZE=OFF >/dev/null
cmake --build "$build" -j "${QUENCHEL_JOBS:-$(nproc)}" --target "$(basename "${main_job[0]}")"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  # No desktop to show the window on: run it on a virtual X display instead.
  echo "run: no DISPLAY or WAYLAND_DISPLAY; running Quenchel under xvfb-run (the window is not visible)" >&2
  exec xvfb-run -a -s "-screen 0 1366x768x24" "${main_job[@]}" "$@"
fi
exec "${main_job[@]}" "$@"
