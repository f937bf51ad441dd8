#!/usr/bin/env bash
# Calls go down the layers only: the main window reaches no dialog (dialogs
# reach it through its public members), and the Win32 wrappers reach nothing
# built on them. A wrong arrow shows first as an include, so the includes are
# what is read here.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
status=0

# Prints the includes under folder $1 that name one of the folders after it.
forbidden() {
  local from=$1; shift
  local pattern
  pattern=$(printf '|%s/' "$@"); pattern="^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<](${pattern#|})"
  grep -rnE --include='*.h' --include='*.cpp' --include='*.rc' "$pattern" "$root/$from" 2>/dev/null
}

check() {
  local what=$1; shift
  local found
  found=$(forbidden "$@")
  if [ -n "$found" ]; then
    echo "FAIL: $what" >&2
    echo "$found" | sed "s#$root/##" >&2
    status=1
  fi
}

check "the main window includes a dialog" mainwindow dialogs
check "the platform layer includes a layer above it" platform wmi mainwindow dialogs diagtool

# The check must see the includes it guards: a tree without them proves nothing.
grep -rqE '^#include "platform/' "$root/mainwindow" || { echo "FAIL: no includes read under mainwindow" >&2; status=1; }
[ $status -eq 0 ] && echo "layering: every include goes down"
exit $status
