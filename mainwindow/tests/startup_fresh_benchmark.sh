#!/usr/bin/env bash
# Corvalin's start-up with a network of 5,000 computers in 50 groups beside
# the shipped, empty list, each start with a fresh wineserver: from before
# Wine starts to the main window shown and idle. Runs natively (it stops and
# starts wineservers); mainwindow_startup_benchmark.exe prepares the run
# folders, times each start and prints the GOAL line. Not a test.
set -uo pipefail
bin="@CORVALIN_BIN_DIR@"
wine_run="@PROJECT_SOURCE_DIR@/tools/wine-run"
export CORVALIN_WINE_BUILD="@CMAKE_BINARY_DIR@"
export WINEPREFIX="${WINEPREFIX:-$CORVALIN_WINE_BUILD/wineprefix}"
bench="$bin/mainwindow_startup_benchmark.exe"
runs="$bin/startup-fresh"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

"$wine_run" "$bench" --prepare "$(windows_path "$runs")" || { echo "cannot prepare $runs"; exit 1; }

start() {
  wineserver -k >/dev/null 2>&1
  wineserver -w
  cp "$runs/$1/tqinfo.ocx.shipped" "$runs/$1/tqinfo.ocx"
  local t0
  t0=$(date +%s%N)
  "$wine_run" "$bench" --probe "$t0" "$(windows_path "$runs/$1")" 2>/dev/null | tr -d '\r'
}

# One start of each first, so both find their files in the cache.
start large >/dev/null
start empty >/dev/null
pairs=()
for _ in 1 2 3 4 5 6 7; do
  large=$(start large)
  empty=$(start empty)
  [ -n "$large" ] && [ -n "$empty" ] || { echo "a start failed"; exit 1; }
  pairs+=("$large,$empty")
done
wineserver -k >/dev/null 2>&1
"$wine_run" "$bench" --goal "start-up, 5,000 computers in 50 groups / empty list (fresh wineserver)" 1.5 \
  "${pairs[@]}" 2>/dev/null | tr -d '\r'
