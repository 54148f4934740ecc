#!/usr/bin/env bash
# The whole test suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
.ci/apt-install clang libclang-rt-14-dev
cmake --workflow --preset asan
