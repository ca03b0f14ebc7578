# Shared by scripts/test and scripts/run: installs what the build needs and builds.
# Sourced, not run; expects ROOT to be the repository folder.

PACKAGES=(cmake g++ make qt6-base-dev qt6-charts-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev fonts-noto-cjk qt6-translations-l10n
          appstream desktop-file-utils lld)

install_missing_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# build_project [TARGET...]: configures build/ and builds the targets named, or everything (the
# program, the demo tool, every test and benchmark) when none is.
build_project() {
    local build_dir="$ROOT/build"
    cmake -S "$ROOT" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    local targets=()
    for t in "$@"; do
        targets+=(--target "$t")
    done
    cmake --build "$build_dir" -j"$(nproc)" ${targets[@]+"${targets[@]}"}
}
