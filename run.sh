#!/usr/bin/env bash
# Builds and installs Quillmark for the current user, then starts it.
set -euo pipefail
cd "$(dirname "$0")"
./install.sh
exec "$HOME/.local/bin/quillmark"
