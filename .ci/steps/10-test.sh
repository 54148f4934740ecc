#!/usr/bin/env bash
# The README's test command: release build, warnings as errors, all tests.
set -euo pipefail
.ci/deps && cmake --workflow --preset release
