#!/usr/bin/env bash
# Installs what is missing, builds the two programs (not the tests and
# benchmarks: test.sh builds those), and starts ZR2014 in the data folder daten/.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
source "$root/tools/setup.sh"
install_missing
build_project "$root" ZR2014 ZR2013
mkdir -p "$root/daten"
cd "$root/daten"
exec "$root/build/ZR2014" "$@"
