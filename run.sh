#!/usr/bin/env bash
# Installs what is missing, builds, and starts ZR2014 in the data folder daten/.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
source "$root/tools/setup.sh"
install_missing
build_project "$root"
mkdir -p "$root/daten"
cd "$root/daten"
exec "$root/build/ZR2014" "$@"
