#!/usr/bin/env bash
# First: the README's two commands in a fresh clone, with every Debian
# package that a new machine lacks (neither in the base image nor brought
# by .ci/deps) hidden, so that a package installed by hand on this machine
# cannot hide a missing install step.
set -euo pipefail
../shared/tools/fresh-clone-check
