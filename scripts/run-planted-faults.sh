#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the tests once per planted fault and says which faults they caught.
#
#   scripts/run-planted-faults.sh PATCH_DIR [BUILD_DIR]
#
# Each PATCH_DIR/NAME.patch is one small fault in the sources. For each: apply
# it to this work tree, rebuild, run the tests, record "caught" (a test failed),
# "MISSED" or "BUILD-FAILED" (the verdict is then unknown), and revert. When PATCH_DIR/NAME.targets
# lists test executables (one a line), those are built and run first, and the
# whole suite only when none of them fails: a fault caught by a few tests is
# caught by the suite. Results go to standard output and to
# PATCH_DIR/results-<commit>.txt. The work tree must be clean, and the
# unchanged suite must pass first: a test that fails anyway would count
# every fault as caught.
set -u
patches=$(cd "$1" && pwd)
build=$(cd "${2:-build}" && pwd)
root=$(git rev-parse --show-toplevel)
cd "$root"
if ! git diff --quiet; then
    echo "the work tree has changes; commit or stash them first" >&2
    exit 2
fi
commit=$(git rev-parse --short HEAD)
results="$patches/results-$commit.txt"
: >"$results"
export QT_QPA_PLATFORM=offscreen

# Builds and runs the listed test executables: 0 when all pass, 1 when one
# fails, 2 when they do not build.
run_targets() {
    local target binary
    cmake --build "$build" -j2 --target "$@" >/dev/null 2>&1 || return 2
    for target in "$@"; do
        binary=$(find "$build/tests" -type f -name "$target" -perm -u+x | head -n1)
        [ -n "$binary" ] || return 2
        # A program registered whole (on a private desktop) runs as ctest runs it.
        if (cd "$build" && ctest -N -R "^$target\$" | grep -q "Total Tests: 1"); then
            (cd "$build" && ctest -R "^$target\$" --timeout 600 >/dev/null 2>&1) || return 1
            continue
        fi
        (cd "$(dirname "$binary")" && timeout 600 "$binary" >/dev/null 2>&1) || return 1
    done
}

# The whole suite, with the same answers.
run_suite() {
    cmake --build "$build" -j2 >/dev/null 2>&1 || return 2
    (cd "$build" && ctest -j2 --timeout 300 --stop-on-failure >/dev/null 2>&1) || return 1
}

run_suite
case $? in
    0) ;;
    1) echo "the unchanged suite fails; fix that before judging planted faults" >&2; exit 2 ;;
    *) echo "the unchanged tree does not build" >&2; exit 2 ;;
esac

caught=0 total=0
for patch in "$patches"/*.patch; do
    name=$(basename "$patch" .patch)
    total=$((total + 1))
    if ! git apply "$patch"; then
        echo "$name NOT-APPLIED" | tee -a "$results"
        continue
    fi
    status=0
    if [ -f "$patches/$name.targets" ]; then
        run_targets $(cat "$patches/$name.targets")
        status=$?
        by="by $(echo $(cat "$patches/$name.targets"))"
    fi
    if [ "$status" = 0 ]; then
        run_suite
        status=$?
        by="by the suite"
    fi
    case $status in
        0) verdict=MISSED ;;
        1) verdict="caught ($by)" && caught=$((caught + 1)) ;;
        *) verdict=BUILD-FAILED ;;
    esac
    echo "$name $verdict" | tee -a "$results"
    git apply -R "$patch"
done
cmake --build "$build" -j2 >/dev/null 2>&1
echo "caught $caught of $total" | tee -a "$results"
