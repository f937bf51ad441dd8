#!/usr/bin/env bash
# Installs what the build needs on a Debian 12 machine and prepares the SQLite
# amalgamation for the Windows build. Idempotent: quick when everything is there.
set -euo pipefail

need_pkgs=(cmake g++ googletest libsqlite3-dev sqlite3 tcl
           g++-mingw-w64-x86-64-posix wine64 wine xvfb xauth
           icoutils imagemagick tango-icon-theme dpkg-dev)

missing=()
for p in "${need_pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

add_deb_src() {
  # apt-get source needs deb-src entries; add them beside the deb ones once.
  if grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/ 2>/dev/null; then
    return 1
  fi
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    $SUDO sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources
  elif [ -f /etc/apt/sources.list ]; then
    grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | $SUDO tee -a /etc/apt/sources.list >/dev/null
  fi
  return 0
}

updated=0
if add_deb_src; then updated=1; fi
if [ ${#missing[@]} -gt 0 ] || [ $updated -eq 1 ]; then
  $SUDO apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# SQLite for the Windows build: Debian's own source of the installed version,
# turned into the amalgamation once, in a cache outside the source tree.
cache="${CORVALIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/corvalin}"
ver=$(dpkg-query -W -f='${Version}' libsqlite3-dev)
amalg="$cache/sqlite-$ver"
if [ ! -f "$amalg/sqlite3.c" ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  ( cd "$work" && apt-get source -qq --download-only "sqlite3=$ver" >/dev/null 2>&1 || apt-get source -qq --download-only sqlite3 >/dev/null )
  ( cd "$work" && dpkg-source -x --no-check ./*.dsc src >/dev/null )
  ( cd "$work/src" && ./configure --disable-tcl >/dev/null && make -j"$(nproc)" sqlite3.c >/dev/null )
  mkdir -p "$amalg"
  cp "$work/src/sqlite3.c" "$work/src/sqlite3.h" "$amalg/"
  echo "setup: SQLite amalgamation in $amalg"
fi
echo "$amalg" > "$cache/sqlite-current"
