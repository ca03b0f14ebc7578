# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by scripts/test and scripts/run: installs what the build needs and builds.
# Sourced, not run; expects ROOT to be the repository folder.

PACKAGES=(cmake g++ make qt6-base-dev qt6-charts-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev fonts-noto-cjk qt6-translations-l10n
          appstream desktop-file-utils lld ninja-build libzip-dev)

# Only the tests use these: the end-to-end test of one diary on two computers runs two Syncthing
# instances. Where they cannot be installed (no network, no apt), that test says it is skipped.
TEST_PACKAGES=(syncthing)

# install_missing_packages [PACKAGE...]: installs those of the packages (by default PACKAGES)
# that are not installed yet.
install_missing_packages() {
    local wanted=("$@")
    if [ ${#wanted[@]} -eq 0 ]; then
        wanted=("${PACKAGES[@]}")
    fi
    local missing=()
    for p in "${wanted[@]}"; do
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

# configure DIR [CMAKE-ARGS...]: configures a build folder for Ninja, which keeps both cores busy
# across all targets and starts faster than make. A folder configured for another generator
# earlier is configured afresh.
configure() {
    local build_dir="$1"
    shift
    if [ -f "$build_dir/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$build_dir/CMakeCache.txt"; then
        rm -rf "$build_dir/CMakeCache.txt" "$build_dir/CMakeFiles"
    fi
    cmake -S "$ROOT" -B "$build_dir" -G Ninja "$@"
}

# build_project [TARGET...]: configures build/ and builds the targets named, or everything (the
# program, the demo tool, every test and benchmark) when none is.
build_project() {
    local build_dir="$ROOT/build"
    # Line tables only: backtraces keep their files and lines, and full debug information would
    # cost a third of the compile time. Configure a folder of your own for a debugger's variables.
    configure "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"
    local targets=()
    for t in "$@"; do
        targets+=(--target "$t")
    done
    cmake --build "$build_dir" -j"$(nproc)" ${targets[@]+"${targets[@]}"}
}
