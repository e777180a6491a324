#!/usr/bin/env bash
# Builds and runs every test: the normal build, the same libraries and tests under
# AddressSanitizer + UndefinedBehaviorSanitizer, and each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/bootstrap.sh

jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-30}
export QT_QPA_PLATFORM=offscreen
passed=0
failed=0

run_ctest() {
    local preset=$1 log
    log=$(mktemp)
    if ctest --preset "$preset" -j "$jobs" 2>&1 | tee "$log"; then :; fi
    local line
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
    rm -f "$log"
    if [ -z "$line" ]; then
        echo "ctest ($preset) printed no summary"
        failed=$((failed + 1))
        return
    fi
    local bad total
    bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

echo "== build (default) =="
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
run_ctest default

echo "== build (sanitize) =="
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 run_ctest sanitize

echo "== fuzz (${fuzz_seconds}s per target) =="
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
for target in fuzz_package fuzz_reply_stream fuzz_vcard fuzz_replies; do
    corpus="$root/build/fuzz/corpus/$target"
    mkdir -p "$corpus"
    if "$root/build/fuzz/fuzz/$target" -max_total_time="$fuzz_seconds" -print_final_stats=0 \
        -rss_limit_mb=2048 -artifact_prefix="$root/build/fuzz/" \
        "$corpus" "$root/fuzz/seeds/$target" >"$root/build/fuzz/$target.log" 2>&1; then
        echo "$target: clean ($(grep -c '' "$root/build/fuzz/$target.log") log lines)"
        passed=$((passed + 1))
    else
        echo "$target: FAILED"
        tail -n 40 "$root/build/fuzz/$target.log"
        failed=$((failed + 1))
    fi
done

echo
echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
