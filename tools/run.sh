#!/usr/bin/env bash
# Sets up what is missing, builds the Windows programs and starts Corvalin
# under Wine (inside xvfb-run when there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" --target Corvalin
exe="$PWD/build/windows/bin/Corvalin.exe"
# A prefix of its own with the real graphics driver; the test prefix draws nothing.
export WINEPREFIX="$PWD/build/windows/wineprefix-run"
export CORVALIN_WINE_X=1
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" tools/wine-run "$exe"
fi
exec tools/wine-run "$exe"
