#!/usr/bin/env bash
# hkcal.dll cross-built with MinGW-w64 and the whole test suite run on the
# Windows code paths under Wine: a throwaway Wine prefix, no display, and no
# network (a network namespace of its own where the machine allows one).
set -euo pipefail
.ci/apt-install g++-mingw-w64-x86-64-posix wine64 googletest

if [ -z "${HKCAL_OFFLINE:-}" ] && unshare --net true 2>/dev/null; then
  HKCAL_OFFLINE=1 exec unshare --net bash "$0" "$@"
fi

wine="$(command -v wine64 || echo /usr/lib/wine/wine64)"
wineserver="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
scratch="$(mktemp -d)"
# No Mono or Gecko installers, no desktop menu entries written to $HOME.
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all \
       WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$scratch"' EXIT

# One Wine session for the whole run: a server that stays up, and Wine's
# background services started here, apart from the tests. A service started
# by a test would hold that test's output open, and CTest, which reads the
# output to its end, would wait for the service to exit.
mkdir "$WINEPREFIX"
"$wineserver" -p
"$wine" wineboot -i </dev/null >/dev/null 2>&1

cmake --workflow --preset mingw
