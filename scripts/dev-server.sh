# Sourced by the run and tour scripts: start_dev_server BINARY DATA_DIR LOG starts
# xingjian-server --demo on free loopback ports, waits for its ready line, and sets
# server_pid, tcp, http and web. The caller stops it (kill "$server_pid").
start_dev_server() {
    local binary=$1 data=$2 log=$3 ready
    ready=$(mktemp)
    "$binary" --data "$data" --demo --tcp-port 0 --http-port 0 --web-port 0 >"$ready" 2>"$log" &
    server_pid=$!
    for _ in $(seq 1 300); do
        grep -q '^ready ' "$ready" && break
        kill -0 "$server_pid" 2>/dev/null || { cat "$log"; rm -f "$ready"; return 1; }
        sleep 0.1
    done
    read -r tcp http web < <(sed -E 's/^ready tcp=([0-9]+) http=([0-9]+) web=([0-9]+)$/\1 \2 \3/' "$ready")
    rm -f "$ready"
    [ -n "$tcp" ]
}
