#!/usr/bin/env bash
# The run folder keeps the user's database across builds: a rebuilt shipped
# database never replaces it, while the programs are always brought up to date.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
bin="$work/bin"
run="$work/run"
mkdir -p "$bin"
fail() { echo "FAIL: $*" >&2; exit 1; }

printf 'program 1' >"$bin/Corvalin.exe"
printf 'tool 1' >"$bin/Tessarine.exe"
printf 'library 1' >"$bin/tqdata.dbd"
printf 'shipped 1' >"$bin/tqinfo.ocx"
"$here/prepare-run-folder" "$bin" "$run"
[ "$(cat "$run/tqinfo.ocx")" = "shipped 1" ] || fail "the first run gets the shipped database"
[ "$(cat "$run/Tessarine.exe")" = "tool 1" ] || fail "Tessarine is in the run folder"

# The user works; then a build brings a new seed and new programs.
printf 'inventory of the user' >"$run/tqinfo.ocx"
printf 'program 2' >"$bin/Corvalin.exe"
printf 'shipped 2' >"$bin/tqinfo.ocx"
"$here/prepare-run-folder" "$bin" "$run"
[ "$(cat "$run/tqinfo.ocx")" = "inventory of the user" ] || fail "a build replaced the user's database"
[ "$(cat "$run/Corvalin.exe")" = "program 2" ] || fail "the new program was not brought"

# Deleting the database starts again from the shipped one.
rm "$run/tqinfo.ocx"
"$here/prepare-run-folder" "$bin" "$run"
[ "$(cat "$run/tqinfo.ocx")" = "shipped 2" ] || fail "a missing database is not copied again"

# run.sh starts the programs from the run folder, never from the build folder.
grep -q 'prepare-run-folder "$bin" "$run_dir"' "$here/run.sh" || fail "run.sh does not prepare the run folder"
grep -q 'exe="$run_dir/$program.exe"' "$here/run.sh" || fail "run.sh does not start from the run folder"
echo "run folder: all checks passed"
