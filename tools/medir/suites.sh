#!/usr/bin/env bash
# Runs every Google Benchmark suite the build made, with the arguments given
# (./run bench passes none; the tests ask each suite for its list only).
# Usage: tools/medir/suites.sh BUILD_DIR [ARGUMENTOS...]
set -euo pipefail
BUILD=$(cd "${1:?pasta do build}" && pwd)
shift
suites=0
for suite in "$BUILD"/bench/*; do
  # The folder also holds CMake's own folders, which pass -x too.
  [ -f "$suite" ] && [ -x "$suite" ] || continue
  "$suite" "$@"
  suites=$((suites + 1))
done
if [ "$suites" -eq 0 ]; then
  echo "nenhuma suíte de medição em $BUILD/bench" >&2
  exit 1
fi
