#!/usr/bin/env bash
# Builds the client and starts it. Without a display it renders the first screen offscreen
# and says where the picture is.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/bootstrap.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target xingjian

home="$root/build/run-home"
mkdir -p "$home"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$root/build/default/xingjian" --home "$home" "$@"
fi
mkdir -p "$root/build/screenshots"
shot="$root/build/screenshots/start.png"
xvfb-run -a -s "-screen 0 640x1136x24" "$root/build/default/xingjian" --home "$home" --screenshot "$shot" "$@"
echo "No display here: the first screen is in $shot"
