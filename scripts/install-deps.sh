#!/usr/bin/env bash
# Installs, with apt-get, the Debian 12 packages needed to build and test Quenchel.
# Installs only what is missing and says nothing when everything is already there.
set -euo pipefail

packages=(
  build-essential g++ cmake ninja-build      # compiler and build tools
  clang libclang-rt-14-dev                   # libFuzzer and the sanitizer runtimes for clang
  libgtest-dev libgmock-dev googletest       # unit tests
  libbenchmark-dev                           # benchmarks
  qt6-base-dev libgl1-mesa-dev               # the Qt 6 Widgets program (Qt6Gui's CMake config needs GL)
  fonts-liberation xvfb xauth                # fonts and a virtual display for the window tests
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [[ "$status" == installed ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
  else
    echo "install-deps: missing packages: ${missing[*]}" >&2
    echo "install-deps: not root and no sudo; install them as root." >&2
    exit 1
  fi
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq </dev/null
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
