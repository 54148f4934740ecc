#!/usr/bin/env bash
# First: the README's two commands in a fresh clone, with every Debian
# package that a new machine lacks (neither in the base image nor brought
# by .ci/deps) hidden, so that a package installed by hand on this machine
# cannot hide a missing install step. The check lives beside the project
# (../shared/tools), or at HKCAL_FRESH_CLONE_CHECK.
set -euo pipefail
for check in "${HKCAL_FRESH_CLONE_CHECK:-}" ../shared/tools/fresh-clone-check /work/shared/tools/fresh-clone-check; do
  if [ -n "$check" ] && [ -x "$check" ]; then exec "$check"; fi
done
echo "fresh-clone check: ../shared/tools/fresh-clone-check not found; set HKCAL_FRESH_CLONE_CHECK" >&2
exit 1
