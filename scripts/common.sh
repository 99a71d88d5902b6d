# Shared set-up for the project's scripts: packages, build, virtual display.
# Sourced, not run.

REPO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PACKAGES=(cmake ninja-build g++ pkg-config libsdl1.2-dev libsdl-image1.2-dev libgl-dev
          libgl1-mesa-dri libx11-dev xvfb xauth xdotool x11-utils xscreensaver imagemagick libgtest-dev
          libgmock-dev libfreetype-dev libpng-dev fonts-dejavu-core
          clang libclang-rt-dev valgrind
          libavcodec-dev libavformat-dev libswscale-dev libswresample-dev libavutil-dev ffmpeg)

# Installs the Debian packages that are missing (as root, or through sudo).
ensure_packages() {
    local missing=()
    for package in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    # One update of the package lists serves this script and every script it starts.
    if [ -z "${APT_LISTS_UPDATED:-}" ]; then
        "${sudo[@]}" apt-get update -qq
        export APT_LISTS_UPDATED=1
    fi
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

# fail MESSAGE: says what failed (and, when FAIL_LOG names a file, what the program wrote to
# it) and exits 1.
fail() {
    echo "FAIL: $*" >&2
    if [ -n "${FAIL_LOG:-}" ] && [ -s "$FAIL_LOG" ]; then
        echo "--- program output:" >&2
        cat "$FAIL_LOG" >&2
    fi
    exit 1
}

# Warnings fail the build on CI (CI set): the option for configure.
WERROR_OPTION="-DQUILLOMER_WERROR=$([ -n "${CI:-}" ] && echo ON || echo OFF)"

# configure DIR [cmake options...]: configures a build folder. A folder configured before keeps
# its generator (Ninja, Makefiles, ...), so a build/ made with plain `cmake -B build` is reused as
# it is; a new one uses Ninja. cmake takes the compilers from CC and CXX; a toolchain that wraps
# cmake itself (emcmake) is named in CMAKE_WRAPPER.
configure() {
    local dir="$REPO_ROOT/$1"
    shift
    local generator=(-G Ninja)
    if [ -f "$dir/CMakeCache.txt" ]; then
        generator=()
        echo "Reusing $dir ($(sed -n 's/^CMAKE_GENERATOR:INTERNAL=//p' "$dir/CMakeCache.txt"))"
    fi
    ${CMAKE_WRAPPER:+"$CMAKE_WRAPPER"} cmake -S "$REPO_ROOT" -B "$dir" "${generator[@]}" "$@" >/dev/null
}

# build_targets DIR [TARGET...]: builds the targets named (all without) in a configured folder.
build_targets() {
    local dir="$REPO_ROOT/$1"
    shift
    cmake --build "$dir" -j2 ${1:+--target "$@"}
}

# Configures and builds everything into a folder: build_into DIR [cmake options...]
build_into() {
    configure "$@"
    build_targets "$1"
}

# Configures build/ and builds the program alone (with the panel's layout for the scripts that
# click it: build/panel-layout.env).
build_program() {
    configure build
    build_targets build quillomer
}

# Starts Xvfb (screen 1024x768, or the WIDTHxHEIGHT given) on a display number it picks itself
# (free of races with other servers starting at the same moment), waits until it answers, and
# exports DISPLAY.
# The server is stopped by stop_xvfb (installed as an EXIT trap by the callers).
XVFB_PID=""
start_xvfb() {
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 100); do
        if [ -s "$number_file" ]; then
            export DISPLAY=":$(head -n 1 "$number_file")"
            xdotool getmouselocation >/dev/null 2>&1 && break
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$number_file"
    xdotool getmouselocation >/dev/null 2>&1 && return 0
    echo "Xvfb did not start" >&2
    return 1
}

stop_xvfb() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    fi
}

# on_virtual_display [WIDTHxHEIGHT]: a virtual display of the script's own, stopped when the
# script ends, and SDL's dummy sound driver unless another is chosen.
on_virtual_display() {
    start_xvfb "$@"
    trap stop_xvfb EXIT
    export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
}

# run_reliability NAME [ARGS...]: builds the program and runs tests/reliability/NAME.sh on it
# (with ARGS) under a virtual display of its own.
run_reliability() {
    local name="$1"
    shift
    ensure_packages
    build_program
    on_virtual_display
    bash "$REPO_ROOT/tests/reliability/$name.sh" "$REPO_ROOT/build/quillomer" "$@"
}

# wait_until SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds;
# false if SECONDS pass first.
wait_until() {
    local limit="$1" start=$SECONDS
    shift
    until "$@"; do
        [ $((SECONDS - start)) -lt "$limit" ] || return 1
        sleep 0.1
    done
}

# notice_pixels PICTURE NOTICE_Y: how many pixels of a screenshot's 1024 x 768 picture, on the
# line of a notice (a failed save or load), are of the notice's colour; none without one.
notice_pixels() {
    convert "$1" -crop "1024x24+0+$(($2 - 12))" +repage -fuzz 4% \
        -fill black +opaque "rgb(255,217,115)" -fill white -opaque "rgb(255,217,115)" \
        -format "%[fx:round(mean*w*h)]" info:
}
