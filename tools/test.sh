#!/usr/bin/env bash
# Sets up what is missing, builds both presets and runs every test: natively
# under the sanitizers, then the Windows build under Wine. Ends with one line
# "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }

jobs=$(nproc)
passed=0; failed=0; status=0
log=$(mktemp -d)

run_preset() {
  local p=$1
  if ! cmake --preset "$p" >"$log/$p-configure.txt" 2>&1; then
    cat "$log/$p-configure.txt"; failed=$((failed + 1)); status=1; return
  fi
  if ! cmake --build --preset "$p" -j"$jobs" >"$log/$p-build.txt" 2>&1; then
    grep -E 'error|Error' "$log/$p-build.txt" | head -n 60; failed=$((failed + 1)); status=1; return
  fi
  ctest --preset "$p" 2>&1 | tee "$log/$p-test.txt"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  local line total fails
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log/$p-test.txt" | tail -n 1)
  if [ -n "$line" ]; then
    fails=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
    passed=$((passed + total - fails)); failed=$((failed + fails))
  else
    failed=$((failed + 1)); status=1
  fi
}

run_preset native

# The Windows tests run in the build folder's own prefix, which wine-run
# creates on first use. No wineserver is kept warm from here: one started
# outside wine-run's environment makes the next test process hang.
export WINEPREFIX="$PWD/build/windows/wineprefix"
mkdir -p build/windows
cleanup() { WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1 || true; }
trap cleanup EXIT
run_preset windows

rm -rf "$log"
echo "$passed passed, $failed failed"
exit $status
