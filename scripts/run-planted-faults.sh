#!/bin/bash
# Runs the tests once per planted fault and says which faults they caught.
#
#   scripts/run-planted-faults.sh PATCH_DIR [BUILD_DIR]
#
# Each PATCH_DIR/NAME.patch is one small fault in the sources. For each: apply
# it to this work tree, rebuild, run the tests, record "caught" (a test failed
# or the build broke) or "MISSED", and revert. When PATCH_DIR/NAME.targets
# lists test executables (one a line), those are built and run first, and the
# whole suite only when none of them fails: a fault caught by a few tests is
# caught by the suite. Results go to standard output and to
# PATCH_DIR/results-<commit>.txt. The work tree must be clean.
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

# Builds and runs the listed test executables; fails when one of them fails.
run_targets() {
    local target binary
    cmake --build "$build" -j2 --target "$@" >/dev/null 2>&1 || return 1
    for target in "$@"; do
        binary=$(find "$build/tests" -type f -name "$target" -perm -u+x | head -n1)
        [ -n "$binary" ] || return 1
        (cd "$(dirname "$binary")" && timeout 600 "$binary" >/dev/null 2>&1) || return 1
    done
}

run_suite() {
    cmake --build "$build" -j2 >/dev/null 2>&1 || return 1
    (cd "$build" && ctest -j2 --timeout 300 --stop-on-failure >/dev/null 2>&1)
}

caught=0 total=0
for patch in "$patches"/*.patch; do
    name=$(basename "$patch" .patch)
    total=$((total + 1))
    if ! git apply "$patch"; then
        echo "$name NOT-APPLIED" | tee -a "$results"
        continue
    fi
    verdict=MISSED
    if [ -f "$patches/$name.targets" ] && ! run_targets $(cat "$patches/$name.targets"); then
        verdict="caught (by $(echo $(cat "$patches/$name.targets")))"
    elif ! run_suite; then
        verdict="caught (by the suite)"
    fi
    [ "$verdict" = MISSED ] || caught=$((caught + 1))
    echo "$name $verdict" | tee -a "$results"
    git apply -R "$patch"
done
cmake --build "$build" -j2 >/dev/null 2>&1
echo "caught $caught of $total" | tee -a "$results"
