#!/usr/bin/env bash
# Builds the optimised benchmark presets (no sanitizers) and runs every
# benchmark: natively, then the Windows ones under Wine. Each benchmark prints
# "GOAL" lines (the program's path against the bare limit of the same work,
# measured in the same run); this gathers them into one table. Not a test:
# CI does not run it. Run it on a quiet machine.
set -uo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh >/dev/null || { echo "setup failed"; exit 1; }
jobs=$(nproc)
log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT

build() {
  cmake --preset "$1" >"$log/$1-configure.txt" 2>&1 &&
    cmake --build --preset "$1" -j"$jobs" >"$log/$1-build.txt" 2>&1 ||
    { echo "$1: build failed"; grep -E 'error' "$log/$1-build.txt" | head -n 20; exit 1; }
}

build bench-native
for b in $(find build/bench-native -type f -name '*_benchmark' -perm -u+x | sort); do
  echo "== $(basename "$b")"
  "$b" | tee -a "$log/all.txt"
done

build bench-windows
export WINEPREFIX="$PWD/build/bench-windows/wineprefix"
export CORVALIN_TEST_DATA="Z:$PWD" CORVALIN_WINE_BUILD="$PWD/build/bench-windows"
# The window benchmarks paint for real: Wine's X11 driver on an Xvfb screen,
# in a prefix of their own (the other prefix has the null driver, which
# paints nothing).
xprefix="$PWD/build/bench-windows/wineprefix-x"
trap 'WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1; WINEPREFIX="$xprefix" wineserver -k >/dev/null 2>&1; rm -rf "$log"' EXIT
on_screen() {
  if [[ "$(basename "${@: -1}")" == mainwindow_* ]] && command -v xvfb-run >/dev/null; then
    local rc
    CORVALIN_WINE_X=1 WINEPREFIX="$xprefix" xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
    rc=$?
    WINEPREFIX="$xprefix" wineserver -k >/dev/null 2>&1
    return $rc
  else
    "$@"
  fi
}
# A benchmark that fails says how it ended and what it last wrote to stderr
# (kept aside: Wine's own messages would bury the table).
for b in $(find build/bench-windows -type f -name '*_benchmark.exe' | sort); do
  echo "== $(basename "$b") (Wine)"
  err="$log/$(basename "$b").err"
  on_screen tools/wine-run "$b" 2>"$err" | tr -d '\r' | tee -a "$log/all.txt"
  rc=${PIPESTATUS[0]}
  if [ "$rc" -ne 0 ]; then
    echo "$(basename "$b") ended with exit code $rc; the end of its stderr:"
    tail -n 5 "$err"
  fi
done
# Those that start Wine themselves (a fresh wineserver for each start) run
# from outside it, after the others.
for s in $(find build/bench-windows -type f -name '*_benchmark' -perm -u+x | sort); do
  echo "== $(basename "$s") (Wine, fresh wineservers)"
  on_screen "$s" | tee -a "$log/all.txt"
done

echo
printf '%-72s %9s %9s %9s  %s\n' goal min median target result
grep '^GOAL' "$log/all.txt" | while IFS=$'\t' read -r _ goal min median target result; do
  printf '%-72s %9s %9s %9s  %s\n' "$goal" "$min" "$median" "$target" "$result"
done
