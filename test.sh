#!/bin/bash
# Builds everything and runs the whole test suite headless, twice, then the threaded redraw once more:
#   1. build-test/: warnings are errors, benchmarks built, every test (offscreen and Xvfb);
#   2. build-sanitize/: AddressSanitizer and UndefinedBehaviorSanitizer, every test again;
#   3. build-tsan/: ThreadSanitizer, only the redraw tests and what they link.
# Exits 0 only when all three pass. Installs the Debian packages it needs when missing.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
ensure_packages "${GRAVELINK_BUILD_PACKAGES[@]}" "${GRAVELINK_TEST_PACKAGES[@]}"

JOBS=${GRAVELINK_JOBS:-2}
export QT_QPA_PLATFORM=offscreen
export QT_FONT_DPI=96

# One X server for the real-window tests, on a free display number.
source tools/xvfb_display.sh
OWN_XVFB_PID=
trap stop_own_xvfb EXIT
if ! start_xvfb 91 120; then
    echo "test.sh: no free X display for Xvfb" >&2
    exit 1
fi
export GRAVELINK_XVFB_DISPLAY=$XVFB_DISPLAY

run_suite() {
    local dir=$1
    shift
    echo "=== $dir: configure and build ==="
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j"$JOBS"
    echo "=== $dir: tests ==="
    ctest --test-dir "$dir" --output-on-failure -j"$JOBS"
}

# Debug: GCC 12's optimiser reports std::optional members as maybe-uninitialized where they
# are not, which -Werror would turn into failures.
run_suite build-test -DCMAKE_BUILD_TYPE=Debug -DGRAVELINK_WERROR=ON -DGRAVELINK_BENCH=ON

# Qt keeps some allocations until exit on purpose; leak reports would only be noise.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DGRAVELINK_WERROR=ON -DGRAVELINK_SANITIZE=ON -DGRAVELINK_BENCH=OFF

TSAN_TESTS=(render_tst_parallelredraw render_tst_sceneredraw editor_tst_incremental_redraw)
echo "=== build-tsan: configure and build ==="
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGRAVELINK_WERROR=ON -DGRAVELINK_TSAN=ON \
    -DGRAVELINK_BENCH=OFF
cmake --build build-tsan -j"$JOBS" --target "${TSAN_TESTS[@]}"
echo "=== build-tsan: tests ==="
export TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/tests/tsan.supp"
ctest --test-dir build-tsan --output-on-failure -R '^(render/tst_(parallelredraw|sceneredraw)|editor/tst_incremental_redraw)$'

echo "test.sh: all tests passed"
