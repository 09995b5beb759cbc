# Sourced by the scripts: installs the Debian packages Kinovra needs to build, test and run,
# when any of them is missing. apt-get update runs only when something must be installed.

kinovra_packages=(
    g++-12 clang-14 libclang-rt-14-dev cmake ninja-build pkg-config
    qt6-base-dev libcurl4-openssl-dev libpcre2-dev libcpp-httplib-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth libx11-dev fonts-wqy-microhei
)

kinovra_install_packages() {
    local missing=() pkg
    for pkg in "${kinovra_packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
