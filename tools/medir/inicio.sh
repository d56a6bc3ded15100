#!/usr/bin/env bash
# Time from start to the main window shown, less the splash's own pauses,
# and the memory of each program at rest with its main window up. Runs each
# program under its own Xvfb; prints one line per program.
# Usage: tools/medir/inicio.sh BUILD_DIR
set -euo pipefail
BUILD=$(cd "${1:?pasta do build}" && pwd)

medir() {
  local programa=$1 titulo=$2 pausas_ms=$3
  local tela=:$((90 + RANDOM % 9))
  Xvfb "$tela" -screen 0 1280x1024x24 >/dev/null 2>&1 &
  local xvfb=$!
  sleep 0.5
  local inicio fim pid
  inicio=$(date +%s%N)
  (cd "$BUILD/base" && DISPLAY=$tela exec "$BUILD/bin/$programa") >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 400); do
    if DISPLAY=$tela xdotool search --onlyvisible --name "^${titulo}$" >/dev/null 2>&1; then break; fi
    sleep 0.025
  done
  fim=$(date +%s%N)
  sleep 1 # the disclaimer comes up; then the program rests
  local rss
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid" "$xvfb" 2>/dev/null || true
  wait "$pid" "$xvfb" 2>/dev/null || true
  printf '%-8s início até a janela principal: %5d ms (sem as pausas da abertura)   memória em repouso: %6.1f MiB\n' \
    "$programa" $(( (fim - inicio) / 1000000 - pausas_ms )) "$(awk -v k="$rss" 'BEGIN { print k / 1024 }')"
}

medir kolvan "Especificação da classe de resistência dos tubos de concreto" $((19 * 4 * 50))
if [ -x "$BUILD/bin/redwan" ]; then medir redwan "Dimensionamento da armadura de tubos de concreto armado" $((100 * 30)); fi
