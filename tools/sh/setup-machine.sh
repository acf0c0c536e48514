# Sourced by ./run and ./test: installs the Debian packages the build needs
# when any is missing (apt-get, through sudo when not root).
# xvfb, openbox, xdotool and wmctrl: the smoke test plays the real program
# on a virtual screen with a window manager. lame encodes the intro music at
# build time; Qt Multimedia plays it through GStreamer, whose MP3 decoder and
# sound output are in gstreamer1.0-plugins-good.
need_packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-multimedia-dev \
libgtest-dev libgl-dev xvfb xauth fonts-dejavu-core ccache openbox xdotool wmctrl x11-utils imagemagick \
lame gstreamer1.0-plugins-base gstreamer1.0-plugins-good python3 iproute2"

install_missing_packages() {
    local missing=""
    for p in $need_packages; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing || return 1
}

# GRISK_JOBS caps the build and test jobs (several builds side by side).
jobs() {
    [ -n "${GRISK_JOBS:-}" ] && { echo "$GRISK_JOBS"; return; }
    nproc 2>/dev/null || echo 2
}
