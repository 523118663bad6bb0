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

build_project() {
  local root="$1"
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build" -j "$(nproc)"
}
