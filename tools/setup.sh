#!/usr/bin/env bash
# Shared by run.sh and test.sh: install the Debian packages that are missing,
# then configure and build in build/.
set -euo pipefail

PACKAGES=(g++ cmake ninja-build git qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          qpdf poppler-utils libxml2-utils fonts-dejavu-core qt6-translations-l10n)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# A build folder whose cache was made for another source folder (a copied
# or moved checkout) cannot be configured again: it is made afresh.
fresh_if_stale() {
  local root="$1" build="$2" home
  [ -f "$build/CMakeCache.txt" ] || return 0
  home="$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")"
  if [ "$(cd "$home" 2>/dev/null && pwd -P)" != "$(cd "$root" && pwd -P)" ]; then
    echo "Build folder $build belongs to $home: configuring it afresh"
    rm -rf "$build"
  fi
}

# Configures build/ and builds the given targets, or every target (the
# tests and benchmarks included) when none is given.
build_project() {
  local root="$1"
  shift
  fresh_if_stale "$root" "$root/build"
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  if [ $# -gt 0 ]; then
    cmake --build "$root/build" -j "$(nproc)" --target "$@"
  else
    cmake --build "$root/build" -j "$(nproc)"
  fi
}
