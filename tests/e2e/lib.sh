# Helpers for tests that drive the real program on a private X display.
# Sourced by the test scripts; expects DISPLAY to point at a running X server
# (the scripts run under xvfb-run).

E2E_PIDS=""
E2E_TMP=$(mktemp -d)

e2e_cleanup() {
    for pid in $E2E_PIDS; do
        kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_until SECONDS COMMAND...: polls COMMAND every 0.1 s until it succeeds;
# fails when it has not within SECONDS.
wait_until() {
    limit=$(( $1 * 10 ))
    shift
    tries=0
    until "$@" >/dev/null 2>&1; do
        tries=$(( tries + 1 ))
        [ "$tries" -lt "$limit" ] || return 1
        sleep 0.1
    done
}

# A private home for the program: config, runtime, cache and data folders.
e2e_private_home() {
    export XDG_CONFIG_HOME="$E2E_TMP/config"
    export XDG_CACHE_HOME="$E2E_TMP/cache"
    export XDG_DATA_HOME="$E2E_TMP/data"
    export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
    export GSETTINGS_BACKEND=memory
    unset QT_QPA_PLATFORM
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

wm_is_up() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

# Without a window manager no window becomes active and keys go nowhere.
start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    E2E_PIDS="$E2E_PIDS $!"
    wait_until 30 wm_is_up || fail "the window manager did not start"
}

# visible_window PID TITLE: prints the id of a mapped window of the process
# whose title is exactly TITLE.
visible_window() {
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$2" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

has_visible_window() {
    visible_window "$@" >/dev/null
}

is_running() {
    kill -0 "$1" 2>/dev/null
}

is_gone() {
    ! kill -0 "$1" 2>/dev/null
}
