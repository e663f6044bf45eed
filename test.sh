#!/usr/bin/env bash
# Installs what the build and the tests need, builds, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
