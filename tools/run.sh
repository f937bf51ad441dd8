#!/usr/bin/env bash
# Sets up what is missing, builds the Windows programs and starts one of them
# under Wine (inside xvfb-run when there is no display):
#   bash tools/run.sh              Corvalin
#   bash tools/run.sh tessarine    Tessarine
#
# The programs run from a folder of their own, never from the build folder:
# the inventory a user builds up (computers, credentials, scans) lives in the
# tqinfo.ocx there. The shipped database is copied into it once, when none is
# there yet; later builds bring new programs but never overwrite it.
set -euo pipefail
cd "$(dirname "$0")/.."
program=Corvalin
case "${1:-corvalin}" in
  corvalin|Corvalin) program=Corvalin ;;
  tessarine|Tessarine) program=Tessarine ;;
  *) echo "usage: bash tools/run.sh [corvalin|tessarine]" >&2; exit 2 ;;
esac

bash tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" --target Corvalin Tessarine corvalin_database
bin="$PWD/build/windows/bin"
run_dir="${CORVALIN_RUN_DIR:-${XDG_DATA_HOME:-$HOME/.local/share}/corvalin}"
tools/prepare-run-folder "$bin" "$run_dir"
exe="$run_dir/$program.exe"

# A prefix of its own beside the inventory (it keeps the per-user settings),
# with the real graphics driver; the test prefix draws nothing.
export CORVALIN_WINE_BUILD="$PWD/build/windows"
export WINEPREFIX="$run_dir/wineprefix"
export CORVALIN_WINE_X=1
cd "$run_dir"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$OLDPWD/tools/wine-run" "$exe"
fi
exec "$OLDPWD/tools/wine-run" "$exe"
