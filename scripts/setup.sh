#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only those missing),
# then configures and builds. Costs nothing on a machine that is ready.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake g++ ninja-build
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev googletest clang libclang-rt-14-dev
  libgif-dev libxcb1-dev
  xvfb xauth fonts-dejavu-core
  poppler-utils xdotool openbox faketime
)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build_dir="${BUILD_DIR:-build}"
build_type="${BUILD_TYPE:-RelWithDebInfo}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" ${CMAKE_EXTRA_ARGS:-} >/dev/null
cmake --build "$build_dir"
