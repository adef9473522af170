#!/usr/bin/env bash
# Runs clang-tidy (the checks of .clang-tidy) over the program's sources, using the compile
# commands of the build folder given as $1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-test}
cd "$root"
find src app -name '*.cpp' -print0 |
  xargs -0 -n 4 -P "$(nproc)" clang-tidy -p "$dir" --quiet 2>/dev/null
echo "clang-tidy: clean"
