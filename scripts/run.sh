#!/usr/bin/env bash
# Builds the client and the development server, starts the server with its demo world on
# free loopback ports, and the app pointed at it with the demo address book, in a fresh
# application home. Without a display the app takes its tour under Xvfb and says where the
# pictures of its screens are.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/bootstrap.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target xingjian xingjian-server

data="$root/build/run-server"
home="$root/build/run-home"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    shots="$root/build/screenshots"
    rm -rf "$shots"
    status=0
    xvfb-run -a -s "-screen 0 640x1136x24" env QT_QPA_PLATFORM=xcb \
        bash scripts/tour.sh "$root/build/default" "$shots" "$@" || status=$?
    echo "No display here: the tour's pictures of every screen are in $shots (log: $shots/tour.log)"
    exit "$status"
fi
rm -rf "$home"
mkdir -p "$data" "$home"
source scripts/dev-server.sh
server_pid=
trap 'if [ -n "$server_pid" ]; then kill "$server_pid" 2>/dev/null; wait "$server_pid" 2>/dev/null; fi' EXIT
start_dev_server "$root/build/default/xingjian-server" "$data" "$root/build/run-server.log"
echo "Development server: tcp $tcp, http $http, web $web (demo code 1234, demo address book $data/demo-contacts.vcf)"

"$root/build/default/xingjian" --home "$home" --server 127.0.0.1 \
    --tcp-port "$tcp" --http-port "$http" --web-port "$web" \
    --contacts "$data/demo-contacts.vcf" "$@"
