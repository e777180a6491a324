#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail

PACKAGES=(
    cmake make g++ pkg-config
    qt6-base-dev libqt6opengl6-dev
    libsqlite3-dev libsqlitecpp-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libcpp-httplib-dev libssl-dev
    clang-14 libclang-rt-14-dev
    fonts-wqy-microhei
    xvfb xauth
)

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
