# Shared by scripts/run and scripts/test: installs what the build needs on a Debian 12
# machine and builds into build/.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
packages=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-multimedia-dev libqt6svg6 libgtest-dev
          libgmock-dev libbenchmark-dev libgl1-mesa-dev libfontconfig-dev fonts-dejavu-core
          libcups2-dev poppler-utils)

# What scripts/package needs beyond the build, and the icon renderer of the build itself.
package_tools=(librsvg2-bin dpkg-dev lintian appstream desktop-file-utils)

# A real sound server for the sound test: PulseAudio with its recorder, parec.
sound_tools=(pulseaudio pulseaudio-utils)

install_packages() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$here/build" --parallel "$(nproc)"
}
