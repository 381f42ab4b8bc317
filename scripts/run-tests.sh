#!/usr/bin/env bash
# Builds and runs every test: optimised, then under AddressSanitizer + UndefinedBehaviorSanitizer,
# then the concurrency tests under ThreadSanitizer. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-build-deps.sh --with-tests

jobs="$(nproc)"

# Editor tests draw real components; give them a display of their own when there is none.
# Xvfb picks a free display number itself and writes it once it takes connections; a number
# taken by somebody else's server would have the tests click on their windows. Without
# -noreset the server starts over whenever its last client leaves, and drops a test program
# that connects just then.
if [ -z "${DISPLAY:-}" ]; then
    xvfb_log="$(mktemp)"
    exec 3< <(exec Xvfb -displayfd 1 -noreset -screen 0 1280x1024x24 -nolisten tcp 2> "$xvfb_log")
    xvfb_pid=$!
    trap 'kill "$xvfb_pid" 2> /dev/null || true; rm -f "$xvfb_log"' EXIT

    if ! read -r -t 60 display_number <&3 || ! DISPLAY=":$display_number" xdpyinfo > /dev/null 2>&1; then
        echo "run-tests.sh: could not start a virtual display (Xvfb) for the editor tests:" >&2
        cat "$xvfb_log" >&2
        exit 1
    fi

    export DISPLAY=":$display_number"
fi

run_pass() {
    local name="$1"; shift
    local dir="build/tests-$name"
    echo "==== $name: configure and build"
    cmake -S . -B "$dir" "$@" > "$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
    cmake --build "$dir" -j"$jobs" ${targets:+--target $targets}
    echo "==== $name: test"
    (cd "$dir" && ctest --output-on-failure -j"$jobs" ${labels:+-L $labels})
}

mkdir -p build

# Pictures the tests render (the editor's panels, the hosted windows) are kept here for people to look at.
export ONDRELLA_ARTEFACT_DIR="$PWD/build/artefacts"
mkdir -p "$ONDRELLA_ARTEFACT_DIR"

targets="" labels="" run_pass optimised \
    -DCMAKE_BUILD_TYPE=Release -DONDRELLA_BUILD_BENCH=ON

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Sanitizer passes build with light optimisation and the framework's debug checks on.
sanitizer_flags=(-DCMAKE_BUILD_TYPE=Debug "-DCMAKE_C_FLAGS_DEBUG=-O1 -g1" "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1")

targets="" labels="" run_pass asan-ubsan \
    "${sanitizer_flags[@]}" -DONDRELLA_SANITIZE=address,undefined -DONDRELLA_BUILD_PLUGIN_FORMATS=OFF

export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/tsan.supp"
targets="ondrella_concurrency_tests" labels="concurrency" run_pass tsan \
    "${sanitizer_flags[@]}" -DONDRELLA_SANITIZE=thread -DONDRELLA_BUILD_PLUGIN_FORMATS=OFF

echo "==== all test passes succeeded; pictures in $ONDRELLA_ARTEFACT_DIR"
