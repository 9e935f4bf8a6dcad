#!/bin/bash
# Builds the editor (release build in build-run/) and starts it, passing the arguments on:
#   ./run.sh [scheme.grvlk]
set -euo pipefail
CALLER_DIR=$(pwd)
ROOT=$(cd "$(dirname "$0")" && pwd)
cd "$ROOT"
source tools/packages.sh
ensure_packages "${GRAVELINK_BUILD_PACKAGES[@]}"

BUILD_DIR=build-run
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGRAVELINK_TESTS=OFF -DGRAVELINK_BENCH=OFF
cmake --build "$BUILD_DIR" --target gravelink -j"${GRAVELINK_JOBS:-2}"
# Start from the caller's folder so that a relative scheme path names the file meant.
cd "$CALLER_DIR"
exec "$ROOT/$BUILD_DIR/gravelink" "$@"
