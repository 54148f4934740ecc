#!/usr/bin/env bash
# The whole test suite again under ThreadSanitizer: the time-zone cache's
# one-time fill, which many threads race to make, is the library's only
# shared write.
set -euo pipefail
.ci/apt-install clang libclang-rt-14-dev
cmake --workflow --preset tsan
