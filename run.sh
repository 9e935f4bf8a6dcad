#!/bin/bash
# Builds the editor (release build in build-run/) and starts it, passing the arguments on:
#   ./run.sh [scheme.grvlk]
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
ensure_packages "${GRAVELINK_BUILD_PACKAGES[@]}"

BUILD_DIR=build-run
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGRAVELINK_TESTS=OFF -DGRAVELINK_BENCH=OFF
cmake --build "$BUILD_DIR" --target gravelink -j"${GRAVELINK_JOBS:-2}"
exec "$BUILD_DIR/gravelink" "$@"
