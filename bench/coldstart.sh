#!/usr/bin/env bash
# Cold start of the app: from exec to the first painted frame of the window (offscreen), and
# the memory held then. Runs the app RUNS times (default 20), each in a fresh home, and prints
# the median and the worst. With SECRETS, each home is a signed-in user's with that many cached
# secrets (the timeline is the first screen); without, a new user's (the splash pages).
# Usage: bench/coldstart.sh BUILD_DIR [RUNS] [SECRETS]
set -euo pipefail
build="$(cd "$1" && pwd)"
app="$build/xingjian"
runs=${2:-20}
secrets=${3:-}
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -n "$secrets" ]; then
    "$build/bench/xj_seed_home" "$work/seeded" "$secrets" >/dev/null
fi
for i in $(seq 1 "$runs"); do
    if [ -n "$secrets" ]; then cp -r "$work/seeded" "$work/home$i"; fi
    start=$(date +%s%6N)
    line=$("$app" --home "$work/home$i" --tcp-port 9 --startup-probe 2>/dev/null | grep '^first-paint')
    painted=$(sed -E 's/.*epoch-us=([0-9]+).*/\1/' <<<"$line")
    rss=$(sed -E 's/.*rss-kb=([0-9]+).*/\1/' <<<"$line")
    hwm=$(sed -E 's/.*hwm-kb=([0-9]+).*/\1/' <<<"$line")
    echo "$(( (painted - start) )) $rss $hwm"
done | sort -n | awk '{ms[NR]=$1/1000; rss[NR]=$2; hwm[NR]=$3}
    END { m=int((NR+1)/2);
          printf "first paint: median %.1f ms, worst %.1f ms over %d runs\n", ms[m], ms[NR], NR;
          printf "memory at first paint: RSS %.1f MB, peak %.1f MB (median run)\n", rss[m]/1024, hwm[m]/1024 }'
