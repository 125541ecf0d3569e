#!/usr/bin/env bash
# Builds Brisko and runs the whole test suite.
#   scripts/run-tests.sh [BUILD_DIR] [extra cmake arguments...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shift || true
bash "$root/scripts/build.sh" "$build" "$@"
ctest --test-dir "$build" --output-on-failure -j2
