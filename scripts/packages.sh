# Debian packages the build, the tests and the program need, and the one way to install them.
BUILD_PACKAGES=(
    cmake
    g++
    make
    qt6-base-dev
)

# What the program needs at run time beyond the Qt libraries: icons, fonts, type names.
RUN_PACKAGES=(
    fonts-dejavu-core
    qt6-qpa-plugins
    shared-mime-info
    tango-icon-theme
)

# What running it on a desktop needs besides: the opener of pages and files.
DESKTOP_PACKAGES=(
    libglib2.0-bin
    xdg-utils
)

# Installs each package that dpkg does not report as installed; a ready machine installs nothing.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
}
