# Shared by ./run and ./test: install the Debian packages the build needs
# (only those missing) and configure + build one build directory.
set -euo pipefail

VELTRA_PACKAGES=(cmake g++ make pkg-config libgtest-dev libgmock-dev qt6-base-dev libgl-dev
                 fonts-liberation clang libclang-rt-14-dev)

veltra_install_packages() {
    local missing=()
    for p in "${VELTRA_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# veltra_build DIR [cmake options...]
veltra_build() {
    local dir=$1
    shift
    # -O1 without full debug information keeps the two builds of ./test within
    # a CI budget of two cores; sanitizer builds add line tables for traces.
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O1" "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}
