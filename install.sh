#!/usr/bin/env bash
# Builds Quillmark and installs it for the current user: the program folder (executable, skin,
# user guide, and later settings.ini, so it must stay writable), a launcher on the PATH, a menu
# entry with its icon, and the per-user store whose presence tells the program it is installed.
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" "${DESKTOP_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

program_folder="$HOME/.local/lib/quillmark"
cmake --install build --prefix "$program_folder"

launcher="$HOME/.local/bin/quillmark"
mkdir -p "$(dirname "$launcher")"
printf '#!/bin/sh\nexec %q "$@"\n' "$program_folder/quillmark" > "$launcher"
chmod 755 "$launcher"

applications="$HOME/.local/share/applications"
mkdir -p "$applications"
entry="$(<packaging/quillmark.desktop)"
printf '%s\n' "${entry//@LAUNCHER@/$launcher}" > "$applications/quillmark.desktop"

for size in 16 32 48 256; do
    icon_folder="$HOME/.local/share/icons/hicolor/${size}x${size}/apps"
    mkdir -p "$icon_folder"
    install -m 644 "app/resources/quillmark-$size.png" "$icon_folder/quillmark.png"
done
if command -v update-desktop-database >/dev/null; then
    update-desktop-database -q "$applications" || true
fi

# The store of QSettings(NativeFormat, UserScope, "Quillmark"); an existing one keeps the
# user's choice.
config_home="${XDG_CONFIG_HOME:-$HOME/.config}"
store="$config_home/Quillmark.conf"
if [ ! -e "$store" ]; then
    mkdir -p "$config_home"
    printf '[General]\nShowTips=1\n' > "$store"
fi

echo "Quillmark installed in $program_folder; start it with $launcher"
