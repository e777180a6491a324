#!/usr/bin/env bash
# Runs the app's tour against a fresh development server on free loopback ports:
#   scripts/tour.sh BUILD_DIR OUT_DIR [extra app options]
# Screens go to OUT_DIR (numbered PNGs and tour.log). Exits with the tour's status.
set -euo pipefail
build=$(cd "$1" && pwd)
out=$2
shift 2
work=$(mktemp -d)
mkdir -p "$out"
"$build/xingjian-server" --data "$work/server" --demo \
    --tcp-port 0 --http-port 0 --web-port 0 >"$work/ready" 2>"$work/server.log" &
server_pid=$!
trap 'kill "$server_pid" 2>/dev/null; wait "$server_pid" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 1 300); do
    grep -q '^ready ' "$work/ready" && break
    kill -0 "$server_pid" 2>/dev/null || { cat "$work/server.log"; exit 1; }
    sleep 0.1
done
read -r tcp http web < <(sed -E 's/^ready tcp=([0-9]+) http=([0-9]+) web=([0-9]+)$/\1 \2 \3/' "$work/ready")
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} timeout 300 "$build/xingjian" \
    --home "$work/home" --server 127.0.0.1 --tcp-port "$tcp" --http-port "$http" \
    --web-port "$web" --contacts "$work/server/demo-contacts.vcf" --tour "$out" "$@"
