#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
BUILD_TYPE=Debug "$root/scripts/build.sh" "$root/build-test"
ctest --test-dir "$root/build-test" --output-on-failure -j2
