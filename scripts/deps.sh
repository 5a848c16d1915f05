#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those still missing, and
# fetches the source of the CaDiCaL that Linux links, which the Windows build compiles.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev fonts-liberation2
    libgtest-dev libgmock-dev libbenchmark-dev
    libcadical-dev libmimalloc-dev fp-utils libchm-dev fonts-dejavu-extra
    desktop-file-utils appstream libxml2-utils shared-mime-info xdg-utils libfile-mimeinfo-perl
    clang libclang-rt-14-dev
    xvfb openbox x11-utils dbus-daemon xdotool
    g++-mingw-w64-i686-posix wine wine32
)

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
update_needed=false

# wine32 runs the 32-bit Windows build; it is a package of the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
    update_needed=true
fi
# apt-get source needs the archive's source entries, which a fresh machine often lacks: the
# binary entries' archives, for sources.
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${sudo[@]}" tee /etc/apt/sources.list.d/quorvane-deb-src.sources >/dev/null
    else
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
            "${sudo[@]}" tee /etc/apt/sources.list.d/quorvane-deb-src.list >/dev/null
    fi
    update_needed=true
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ] || $update_needed; then
    "${sudo[@]}" apt-get update -q
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
fi

# CaDiCaL's source, the very version of libcadical-dev, where cmake/windows_libraries.cmake
# looks for it.
cadical=.cache/cadical
if [ ! -f "$cadical/src/cadical.hpp" ]; then
    version=$(dpkg-query -W -f='${Version}' libcadical-dev)
    fetch=$(mktemp -d)
    (cd "$fetch" && apt-get source -q "cadical=$version" >/dev/null 2>&1) ||
        { echo "apt-get source cadical=$version failed"; exit 1; }
    mkdir -p .cache
    rm -rf "$cadical"
    mv "$fetch"/cadical-*/ "$cadical"
    rm -rf "$fetch"
fi
