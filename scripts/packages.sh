# Debian packages the build needs; sourced by scripts/run and scripts/test.
KESTRA_BUILD_PACKAGES="cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-l10n-tools libgl-dev libx11-dev libbenchmark-dev"
# What the install test checks the installed tree with, and what CPack's Debian package needs
# (dpkg-shlibdeps computes the dependencies).
KESTRA_BUILD_PACKAGES+=" desktop-file-utils appstream-util libxml2-utils shared-mime-info groff-base dpkg-dev"
# What scripts/fuzz needs besides: clang with its libFuzzer runtime.
KESTRA_FUZZ_PACKAGES="clang libclang-rt-14-dev"

# Installs the packages of $@ that are missing (apt-get; sudo when not root).
kestra_install_missing() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds the tree in $1 with the extra CMake arguments that follow.
kestra_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        local launcher=()
        command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        cmake -S "$KESTRA_ROOT" -B "$dir" -G Ninja "${launcher[@]}" "$@"
    fi
    cmake --build "$dir"
}
