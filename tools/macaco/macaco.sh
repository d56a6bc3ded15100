#!/usr/bin/env bash
# The monkey over both programs: macaco.sh PASTA_DOS_PROGRAMAS PASTA_BASE [SEMENTE].
# Each program runs in the base folder (where it finds its pictures); a crash
# or a sanitizer report counts as a failure. The last line sums both.
set -uo pipefail
BIN=$(cd "$1" && pwd)
BASE=$2
shift 2
export QT_QPA_PLATFORM=offscreen
# Qt and fontconfig keep caches until exit; the leaks that matter are the
# engine's, which the engine tests check.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
cd "$BASE" || exit 2

contagens=()
falhas=0
for programa in kolvan redwan; do
  saida=$(mktemp)
  "$BIN/macaco_$programa" "$@" 2>&1 | tee "$saida" | grep --line-buffered -E "^(falha|$programa:|==|SUMMARY|.*runtime error)" >&2
  status=${PIPESTATUS[0]}
  linha=$(grep -E "^$programa: [0-9]+ ações, [0-9]+ falhas$" "$saida" | tail -1)
  if [ -n "$linha" ]; then
    acoes=$(echo "$linha" | sed -E 's/^[a-z]+: ([0-9]+) ações, ([0-9]+) falhas$/\1/')
    f=$(echo "$linha" | sed -E 's/^[a-z]+: ([0-9]+) ações, ([0-9]+) falhas$/\2/')
    falhas=$((falhas + f))
    [ "$status" -ne 0 ] && [ "$f" -eq 0 ] && falhas=$((falhas + 1))
  else
    # Ended before its count: a crash, a sanitizer report or an action that never returned.
    acoes="?"
    falhas=$((falhas + 1))
    echo "$programa terminou com $status antes do fim; as últimas linhas:" >&2
    tail -40 "$saida" >&2
  fi
  contagens+=("$programa $acoes ações")
  rm -f "$saida"
done
echo "monkey: ${contagens[0]}, ${contagens[1]}, $falhas falhas"
[ "$falhas" -eq 0 ]
