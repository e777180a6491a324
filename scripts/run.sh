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
ready_file=$(mktemp)
"$root/build/default/xingjian-server" --data "$data" --demo \
    --tcp-port 0 --http-port 0 --web-port 0 >"$ready_file" 2>"$root/build/run-server.log" &
server_pid=$!
trap 'kill "$server_pid" 2>/dev/null; wait "$server_pid" 2>/dev/null; rm -f "$ready_file"' EXIT
for _ in $(seq 1 300); do
    grep -q '^ready ' "$ready_file" && break
    kill -0 "$server_pid" 2>/dev/null || { cat "$root/build/run-server.log"; exit 1; }
    sleep 0.1
done
read -r tcp http web < <(sed -E 's/^ready tcp=([0-9]+) http=([0-9]+) web=([0-9]+)$/\1 \2 \3/' "$ready_file")
echo "Development server: tcp $tcp, http $http, web $web (demo code 1234, demo address book $data/demo-contacts.vcf)"

"$root/build/default/xingjian" --home "$home" --server 127.0.0.1 \
    --tcp-port "$tcp" --http-port "$http" --web-port "$web" \
    --contacts "$data/demo-contacts.vcf" "$@"
