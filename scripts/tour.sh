#!/usr/bin/env bash
# Runs the app's tour against a fresh development server on free loopback ports:
#   scripts/tour.sh BUILD_DIR OUT_DIR [extra app options]
# Screens go to OUT_DIR (numbered PNGs and tour.log). Exits with the tour's status.
set -euo pipefail
source "$(dirname "$0")/dev-server.sh"
build=$(cd "$1" && pwd)
out=$2
shift 2
work=$(mktemp -d)
mkdir -p "$out"
server_pid=
trap 'if [ -n "$server_pid" ]; then kill "$server_pid" 2>/dev/null; wait "$server_pid" 2>/dev/null; fi; rm -rf "$work"' EXIT
start_dev_server "$build/xingjian-server" "$work/server" "$work/server.log"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} timeout 300 "$build/xingjian" \
    --home "$work/home" --server 127.0.0.1 --tcp-port "$tcp" --http-port "$http" \
    --web-port "$web" --contacts "$work/server/demo-contacts.vcf" --tour "$out" "$@"
