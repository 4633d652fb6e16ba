# Helpers for tests that drive the real program on a private X display.
# Sourced by the test scripts; expects DISPLAY to point at a running X server
# (the scripts run under with_xvfb.sh).

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
# fails when it has not within SECONDS on the clock, however slow each try.
wait_until() {
    deadline=$(( $(date +%s) + $1 ))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
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

# Openbox names itself on the root window before it has finished starting:
# a key pressed in between can be lost. It runs its --startup command once it
# has, which leaves this file.
wm_is_up() {
    [ -e "$E2E_TMP/wm-started" ] &&
        xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

# Without a window manager no window becomes active and keys go nowhere.
# Under load openbox now and then cannot open the display and exits at once:
# it is started again, a few times. Its output goes to the test's log.
start_window_manager() {
    for try in 1 2 3 4 5; do
        rm -f "$E2E_TMP/wm-started"
        openbox --sm-disable --startup "touch '$E2E_TMP/wm-started'" >&2 &
        wm=$!
        E2E_PIDS="$E2E_PIDS $wm"
        deadline=$(( $(date +%s) + 10 ))
        while is_running "$wm" && [ "$(date +%s)" -lt "$deadline" ]; do
            if wm_is_up >/dev/null 2>&1; then
                return 0
            fi
            sleep 0.1
        done
        echo "the window manager did not come up (try $try); starting it again" >&2
        kill -9 "$wm" 2>/dev/null || true
        wait "$wm" 2>/dev/null || true
    done
    fail "the window manager did not start"
}

# client_windows PID: the windows of the process that the window manager has
# taken on, bottom to top, in decimal as xdotool prints them. The manager's
# list is read at once, so windows being destroyed elsewhere hide none of it.
client_windows() {
    for id in $(xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | sed -n 's/.*# //p' | tr ',' ' '); do
        if xprop -id "$id" _NET_WM_PID 2>/dev/null | grep -q "= $1\$"; then
            printf '%d\n' "$id"
        fi
    done
}

# visible_window PID TITLE: prints the id of a mapped window of the process
# whose title is exactly TITLE.
visible_window() {
    for id in $(client_windows "$1"); do
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

is_active() { # ID
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]
}

# activate ID: gives the window the keyboard; the window manager may still be
# taking it on when it first shows.
activate() {
    wait_until 10 timeout 5 xdotool windowactivate --sync "$1"
}

is_running() {
    kill -0 "$1" 2>/dev/null
}

is_gone() {
    ! kill -0 "$1" 2>/dev/null
}
