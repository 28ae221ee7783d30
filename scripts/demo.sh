#!/usr/bin/env bash
# Sets everything up and runs the monitor on a simulated controller:
# the simulator streams reflow cycles into a pseudo-terminal linked as COM7 beside the program,
# Param.ini selects that port, and the program starts. Switch reading on with the lamp button
# (or "Устройство" -> "Включить") and watch a cycle being recorded.
#   DEMO_PORT         COM number of the simulated port (default 7)
#   DEMO_INTERVAL_MS  time between status frames (default 250; the real controller sends one a second)
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "demo: no display: DISPLAY and WAYLAND_DISPLAY are not set." >&2
  echo "demo: run it from a desktop session, or on a virtual display: xvfb-run -a ./scripts/demo.sh" >&2
  exit 1
fi

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DMONITOR_BUILD_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target lorn lorn-sim

bin=build/release/bin
port=${DEMO_PORT:-7}
interval=${DEMO_INTERVAL_MS:-250}

# Settings of the demo: the simulated port, and the advanced readout (differences and heating rate).
printf '[Настройки]\r\nПорт_подключения=COM%s\r\nСложность_интерфейса=OTK\r\n' "$port" >"$bin/Param.ini"

"$bin/lorn-sim" --port "$port" --app-dir "$bin" --interval-ms "$interval" --profile all --damage &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 100); do [[ -e "$bin/ports/COM$port" ]] && break; sleep 0.05; done
[[ -e "$bin/ports/COM$port" ]] || { echo "demo: the simulator did not create $bin/ports/COM$port" >&2; exit 1; }

echo "demo: the controller simulator streams on COM$port; reports are written to $bin/Report/"
"$bin/lorn"
