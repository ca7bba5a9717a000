# Sourced by scripts/run and scripts/test: install the Debian packages Morvelin needs.
# Idempotent: asks apt only when something is missing.

MORVELIN_PACKAGES=(
    cmake g++ pkg-config            # build
    clang-format                    # the formatting check of scripts/test
    qt6-base-dev                    # Qt 6 Core, Gui, Widgets, Test
    qt6-translations-l10n           # Dutch texts of Qt's own dialog buttons
    libturbojpeg0-dev               # decoding the card pictures
    fonts-liberation fonts-dejavu-core  # faces standing in for Tahoma, Arial, MS Sans Serif
)

# What scripts/test checks the install with: desktop-file-validate, appstreamcli.
MORVELIN_CHECK_PACKAGES=(desktop-file-utils appstream)

morvelin_install_packages() {
    local missing=()
    local pkg
    for pkg in "${MORVELIN_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Morvelin: installing ${missing[*]}" >&2
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Morvelin: need root or sudo to install ${missing[*]}" >&2; return 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

morvelin_configure_and_build() {
    local build_dir=$1
    shift
    cmake -S . -B "$build_dir" "$@"
    cmake --build "$build_dir" -j "$(nproc)"
}
