#!/usr/bin/env bash
# The library as its users get it: install into a temporary prefix, move the
# installed tree, then build and run the C (pkg-config), C++ (find_package)
# and Python (ctypes) examples against the moved files only. Then the Debian
# package installs, serves the same programs and removes cleanly; and the C
# example links the static library.
set -euo pipefail
.ci/deps
.ci/apt-install pkg-config dpkg-dev file
src="$PWD"
py="$(cmake -P cmake/Python.cmake)"  # Debian's, whose dist-packages the .deb fills
build="$src/build/pkg"
build_static="$src/build/pkg-static"
work="$(mktemp -d)"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
cleanup() {
  if dpkg-query -W hkcal >/dev/null 2>&1; then $sudo dpkg --purge hkcal >/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "package: $*" >&2; exit 1; }

# The general holidays the examples print for 2024 as the Government
# gazetted them: lunar 1-2 fell on a Sunday, so the fourth day is a holiday.
cat >"$work/expected-2024" <<'EOF'
2024-01-01  The first day of January
2024-02-10  Lunar New Year's Day
2024-02-12  The third day of Lunar New Year
2024-02-13  The fourth day of Lunar New Year
2024-03-29  Good Friday
2024-03-30  The day following Good Friday
2024-04-01  Easter Monday
2024-04-04  Ching Ming Festival
2024-05-01  Labour Day
2024-05-15  The Birthday of the Buddha
2024-06-10  Tuen Ng Festival
2024-07-01  Hong Kong Special Administrative Region Establishment Day
2024-09-18  The day following the Chinese Mid-Autumn Festival
2024-10-01  National Day
2024-10-11  Chung Yeung Festival
2024-12-25  Christmas Day
2024-12-26  The first weekday after Christmas Day
EOF

# Runs "$@" for 2024 and for this year; the 2024 output must be the expected
# one, this year's is kept in $work/<name>-now for comparison.
check_example() {
  local name="$1"; shift
  "$@" 2024 >"$work/$name-2024"
  diff -u "$work/expected-2024" "$work/$name-2024" || fail "$name: wrong holidays for 2024"
  "$@" >"$work/$name-now"
}

# ---- install, move, use -----------------------------------------------------
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHKCAL_WERROR=ON \
  -DHKCAL_BUILD_TESTS=OFF -DHKCAL_BUILD_BENCH=OFF -DCMAKE_INSTALL_LIBDIR=lib
cmake --build "$build"
cmake --install "$build" --prefix "$work/stage"

lib="$work/stage/lib"
for l in libhkcal libhkcal_hk; do
  [ "$(readlink "$lib/$l.so")" = $l.so.1 ] || fail "$l.so is not a link to $l.so.1"
  [ "$(readlink "$lib/$l.so.1")" = $l.so.1.0.0 ] || fail "$l.so.1 is not a link to $l.so.1.0.0"
  readelf -d "$lib/$l.so.1.0.0" | grep -q "SONAME.*\[$l\.so\.1\]" || fail "$l: SONAME is not $l.so.1"
done
for f in include/hkcal.h include/hkcal_hk.h lib/pkgconfig/hkcal.pc lib/pkgconfig/hkcal_hk.pc \
         lib/cmake/hkcal/hkcalConfig.cmake lib/cmake/hkcal/hkcalConfigVersion.cmake \
         lib/cmake/hkcal/hkcalTargets.cmake; do
  [ -f "$work/stage/$f" ] || fail "$f not installed"
done
tool=""
if [ -f tools/CMakeLists.txt ]; then
  tool=bin/hkcal
  [ -x "$work/stage/$tool" ] || fail "$tool not installed"
fi

# No installed text file may name the source tree, the build tree or either
# prefix; the move below proves the tree works from anywhere.
configured_prefix="$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")"
for path in "$src" "$work/stage" "$configured_prefix"; do
  if grep -rIlF "$path" "$work/stage"; then fail "installed files above name $path"; fi
done
mv "$work/stage" "$work/moved"
prefix="$work/moved"

cc -std=c99 -Wall -Wextra -Wpedantic -Werror -o "$work/holidays-c" examples/holidays.c \
  $(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs hkcal_hk)
check_example c env LD_LIBRARY_PATH="$prefix/lib" "$work/holidays-c"

cmake -S examples -B "$work/cxx" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_FLAGS="-Wall -Wextra -Werror"
grep -qxF "hkcal_DIR:PATH=$prefix/lib/cmake/hkcal" "$work/cxx/CMakeCache.txt" \
  || fail "find_package found hkcal outside $prefix"
cmake --build "$work/cxx"
check_example cxx "$work/cxx/holidays"

check_example python env LD_LIBRARY_PATH="$prefix/lib" PYTHONPATH="$prefix/lib/python3/dist-packages" \
  "$py" examples/holidays.py

cmp "$work/c-now" "$work/cxx-now" || fail "C and C++ examples disagree on this year"
cmp "$work/c-now" "$work/python-now" || fail "C and Python examples disagree on this year"
# The installed tool runs from the moved tree without help.
[ -z "$tool" ] || "$prefix/$tool" holidays >/dev/null || fail "$tool holidays failed"

# ---- the Debian package -----------------------------------------------------
rm -f "$build"/hkcal_*.deb
(cd "$build" && cpack -G DEB)
deb="$(echo "$build"/hkcal_*.deb)"
[ -f "$deb" ] || fail "no hkcal_*.deb"
dpkg-deb --field "$deb" Depends | grep -q 'libc6 (>=' || fail "Depends lacks versioned libc6"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
for f in /usr/lib/libhkcal.so.1 /usr/lib/libhkcal.so /usr/include/hkcal.h \
         /usr/lib/libhkcal_hk.so.1 /usr/include/hkcal_hk.h /usr/lib/pkgconfig/hkcal_hk.pc \
         /usr/lib/pkgconfig/hkcal.pc /usr/lib/cmake/hkcal/hkcalConfig.cmake \
         /usr/lib/python3/dist-packages/hkcal/__init__.py ${tool:+/usr/$tool}; do
  dpkg -S "$f" >/dev/null || fail "$f is not in the installed package"
done
# The system copy serves the examples with no search paths set.
cc -o "$work/holidays-system" examples/holidays.c $(env -u PKG_CONFIG_PATH pkg-config --cflags --libs hkcal_hk)
check_example system env -u LD_LIBRARY_PATH "$work/holidays-system"
check_example system-python env -u LD_LIBRARY_PATH -u PYTHONPATH "$py" examples/holidays.py
$sudo dpkg -r hkcal >/dev/null
if dpkg-query -W -f='${Status}' hkcal 2>/dev/null | grep -q "install ok installed"; then
  fail "hkcal still installed after dpkg -r"
fi
for f in /usr/lib/libhkcal.so.1 /usr/lib/libhkcal_hk.so.1 /usr/include/hkcal.h /usr/lib/pkgconfig/hkcal.pc; do
  [ ! -e "$f" ] || fail "$f left behind by dpkg -r"
done
$sudo dpkg --purge hkcal >/dev/null

# ---- the static library -----------------------------------------------------
# A multiarch library directory as well, so that hkcal.pc and hkcalConfig.cmake
# find the prefix from one level deeper.
libdir="lib/$(gcc -dumpmachine)"
cmake -S "$src" -B "$build_static" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHKCAL_WERROR=ON \
  -DHKCAL_BUILD_TESTS=OFF -DHKCAL_BUILD_BENCH=OFF -DHKCAL_BUILD_TOOLS=OFF \
  -DHKCAL_BUILD_STATIC=ON -DCMAKE_INSTALL_LIBDIR="$libdir"
cmake --build "$build_static"
cmake --install "$build_static" --prefix "$work/static"
export PKG_CONFIG_PATH="$work/static/$libdir/pkgconfig"
cc -o "$work/holidays-static" examples/holidays.c $(pkg-config --cflags hkcal_hk) \
  -Wl,-Bstatic $(pkg-config --libs hkcal_hk) -lstdc++ -Wl,-Bdynamic -lm  # glibc's libm stays shared
unset PKG_CONFIG_PATH
if readelf -d "$work/holidays-static" | grep -E 'NEEDED.*(hkcal|stdc\+\+)'; then
  fail "the static C example needs the shared libraries above"
fi
check_example static env -u LD_LIBRARY_PATH "$work/holidays-static"

cmake -S examples -B "$work/cxx-static" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$work/static" -DHKCAL_TARGET=hkcal::hkcal_hk_static
cmake --build "$work/cxx-static"
if readelf -d "$work/cxx-static/holidays" | grep 'NEEDED.*hkcal'; then
  fail "the static C++ example needs libhkcal"
fi
check_example static-cxx "$work/cxx-static/holidays"
echo "package: all checks passed"
