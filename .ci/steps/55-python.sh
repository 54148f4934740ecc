#!/usr/bin/env bash
# The Python package as its users get it: a fresh virtual environment,
# pip install from the clone offline (setup.py builds both libraries with
# CMake), then the package's tests against the installed copy, and its
# output against the tool's for every year (the tool from the release build).
set -euo pipefail
.ci/deps
src="$PWD"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
py="$(cmake -P cmake/Python.cmake)"  # Debian's, with its pytest and numpy
# --system-site-packages: Debian's setuptools, wheel, pytest and numpy, nothing downloaded.
"$py" -m venv --system-site-packages "$work/venv"
"$work/venv/bin/pip" install --quiet --no-index --no-build-isolation "$src/python"
"$work/venv/bin/python" -c "import hkcal; print(hkcal.holidays(2026)[0])"
tool="$src/build/release/tools/hkcal"
[ -x "$tool" ] || { cmake --preset release >/dev/null && cmake --build --preset release --target hkcal_tool >/dev/null; }
cd "$work"  # import the installed package, not python/hkcal of the clone
HKCAL_TOOL="$tool" "$work/venv/bin/python" -m pytest -q -p no:cacheprovider "$src/python/tests"
