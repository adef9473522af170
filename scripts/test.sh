#!/usr/bin/env bash
# Installs what is missing, builds and passes every check: the test suites (plain and under
# AddressSanitizer/UndefinedBehaviorSanitizer), the fuzz targets for a bounded time, clang-tidy
# and the packaging checks. QF_QUICK=1 runs only the plain suites.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)
step() { printf '\n== %s\n' "$*"; }

step "dependencies"
./scripts/install-deps.sh

step "build and test"
BUILD_TYPE=Debug ./scripts/build.sh build-test
ctest --test-dir build-test --output-on-failure -j"$jobs"
[ "${QF_QUICK:-0}" = 1 ] && exit 0

step "sanitizers"
BUILD_TYPE=Debug ./scripts/build.sh build-asan -DQF_SANITIZE=ON -DQF_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

step "fuzzing"
CC=clang CXX=clang++ BUILD_TYPE=RelWithDebInfo ./scripts/build.sh build-fuzz \
  -DQF_FUZZ=ON -DQF_BUILD_TESTS=OFF -DQF_BUILD_BENCH=OFF
for fuzzer in build-fuzz/tests/fuzz/fuzz_*; do
  [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus=$(mktemp -d)
  if ! "$fuzzer" -max_total_time="${QF_FUZZ_SECONDS:-60}" -print_final_stats=1 \
    -artifact_prefix="$corpus/" "$corpus" "tests/fuzz/corpus/${name#fuzz_}" >"$corpus.log" 2>&1; then
    tail -n 60 "$corpus.log"
    echo "$name found a fault; the input is in $corpus"
    exit 1
  fi
  echo "$name: $(sed -n 's/^stat::number_of_executed_units: *//p' "$corpus.log") executions"
  rm -f "$corpus.log"
  rm -rf "$corpus"
done

step "the program under a virtual display"
./scripts/smoke.sh build-test build-test/smoke.png

step "clang-tidy"
./scripts/tidy.sh build-test

step "packaging"
prefix=$(mktemp -d)
cmake --install build-test --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix"/share/applications/*.desktop
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml
test -x "$prefix/bin/quorvane-fonts"
test -f "$prefix/share/icons/hicolor/48x48/apps/quorvane-fonts.png"
rm -rf "$prefix"

# The plain closing line: every suite of the last ctest run passed, and so did the checks.
total=$(ctest --test-dir build-test -N | sed -n 's/^Total Tests: //p')
echo "checks: $total passed, 0 failed"
