#!/bin/sh
# The real program meets what a user's machine may throw at it: a settings
# file that is garbage, empty, huge, unreadable or not a file at all, a
# settings folder that cannot be made, an update reminder that is due, locks
# left by killed copies (empty ones included) and no browser anywhere. Every time the main window
# must come up and the program must end with status 0 once closed, and between
# the cases every road out is taken: the main window by its close box and by
# File > Exit, the exit screen by its Exit button, Alt+X, Return and its close
# box.
# Usage: faults.sh PROGRAM   (under with_xvfb.sh)
set -eu
program=$1
. "$(dirname "$0")/lib.sh"

main_title="Kelo Diabetes Risk Calculator v1.10"
box_title="Kelo Diabetes Risk Calculator"
app_name=KeloFreeDiabetesRiskCalculator

start_window_manager

# A browser that only writes down the addresses it is given, one a line, so
# that no case can reach a real browser or the network.
browser_bin="$E2E_TMP/browser-bin"
opened="$E2E_TMP/opened"
mkdir -p "$browser_bin"
cat >"$browser_bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$opened"
EOF
chmod 755 "$browser_bin/xdg-open"
# Nothing at all to open an address with.
no_browser_bin="$E2E_TMP/no-browser-bin"
mkdir -p "$no_browser_bin"

# Every case starts from an empty private home, modes put back first so that
# the folders of the case before can be removed.
fresh_home() {
    chmod -R u+rwX "$E2E_TMP/config" "$E2E_TMP/runtime" 2>/dev/null || true
    rm -rf "$E2E_TMP/config" "$E2E_TMP/cache" "$E2E_TMP/data" "$E2E_TMP/runtime" "$opened"
    e2e_private_home
    settings_dir="$XDG_CONFIG_HOME/$app_name"
    settings="$settings_dir/$app_name.ini"
    lock="$XDG_RUNTIME_DIR/$app_name.lock"
    : >"$opened"
}

# start_program NAME [BIN]: starts a copy whose only PATH is BIN (the
# recording browser unless told) and with no browser named in its
# environment; sets pid.
start_program() {
    (
        unset BROWSER DEFAULT_BROWSER
        PATH=${2:-$browser_bin}
        exec "$program"
    ) >"$E2E_TMP/$1.log" 2>&1 &
    pid=$!
    E2E_PIDS="$E2E_PIDS $pid"
}

# The program's windows all share one title; the exit screen is the one kept
# above the others, the About window a modal dialog.
window_with_property() { # PROPERTY VALUE
    for id in $(client_windows "$pid"); do
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$main_title" ] || continue
        if xprop -id "$id" "$1" 2>/dev/null | grep -q "$2"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
exit_screen() { window_with_property _NET_WM_STATE _NET_WM_STATE_ABOVE; }
about_window() { window_with_property _NET_WM_WINDOW_TYPE _NET_WM_WINDOW_TYPE_DIALOG; }
has_exit_screen() { exit_screen >/dev/null; }
has_about_window() { about_window >/dev/null; }

only_window_is() { # ID
    [ "$(client_windows "$pid")" = "$1" ]
}

# Waits for the main window and for it to take the keyboard; sets main.
expect_main_window() { # WHAT
    wait_until 20 has_visible_window "$pid" "$main_title" ||
        fail "$1: no main window (status: $(is_running "$pid" && echo running || echo ended))"
    main=$(visible_window "$pid" "$main_title")
    wait_until 10 is_active "$main" || fail "$1: the main window is not active"
    # A message box shown first would be modal and would have kept the keyboard.
    ! has_visible_window "$pid" "$box_title" || fail "$1: a message box came with the main window"
}

# What the program and the window manager show now, for a failure message.
state() {
    is_running "$pid" && printf 'running' || printf 'ended'
    printf '; windows:'
    for id in $(client_windows "$pid"); do
        printf ' %s "%s"' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)"
    done
    printf '; active: %s; output: %s' "$(xdotool getactivewindow 2>/dev/null)" \
        "$(tr '\n' ' ' <"$E2E_TMP/$case_name.log")"
}

# close_main ROAD: closes the main window by its close box or File > Exit and
# waits for the exit screen, which alone stays and takes the keyboard.
close_main() {
    case $1 in
    close-box) xdotool key alt+F4 ;;
    file-exit) xdotool key alt+f x ;;
    esac
    wait_until 10 has_exit_screen || fail "$case_name: no exit screen after $1 ($(state))"
    screen=$(exit_screen)
    wait_until 10 only_window_is "$screen" || fail "$case_name: the main window stayed after $1"
    wait_until 10 is_active "$screen" || fail "$case_name: the exit screen is not active"
}

# close_exit_screen ROAD, then the process must end with status 0 and leave
# no lock behind.
close_exit_screen() {
    case $1 in
    exit-button) xdotool mousemove --window "$screen" 441 196 click 1 ;;
    alt-x) xdotool key alt+x ;;
    return) xdotool key Return ;;
    close-box) xdotool key alt+F4 ;;
    esac
    wait_until 10 is_gone "$pid" || fail "$case_name: still running after $1 on the exit screen"
    wait "$pid" && status=0 || status=$?
    [ "$status" -eq 0 ] || fail "$case_name: ended with status $status"
    if [ -d "$XDG_RUNTIME_DIR" ]; then
        [ ! -e "$lock" ] || fail "$case_name: the lock file stayed after a normal end"
    fi
}

# run_case NAME MAIN_ROAD EXIT_ROAD: starts the program on the fault already
# in place and takes it down the two roads.
run_case() {
    case_name=$1
    start_program "$1"
    expect_main_window "$1"
    close_main "$2"
    close_exit_screen "$3"
    echo "ok: $1 (main window by $2, exit screen by $3)"
}

scramble() { # the stored form of a date or number
    printf '%s' "$1" | tr '0123456789-' '3456789:;<0'
}

# --- The settings file ---

fresh_home
mkdir -p "$settings_dir"
head -c 65536 /dev/urandom >"$settings"
run_case "garbage settings file" close-box return

fresh_home
mkdir -p "$settings_dir"
: >"$settings"
run_case "empty settings file" file-exit alt-x
grep -q '^Lqvwdoo=4$' "$settings" || fail "an empty settings file got no first-run entries"

fresh_home
mkdir -p "$settings_dir"
# Junk of every sort on 50 MB of lines: sections, keys, stray text.
base64 -w 100 /dev/urandom | head -c 52428800 |
    awk 'NR % 7 == 1 { $0 = "[" $0 } NR % 5 == 2 { sub("/", "=") } { print }' >"$settings"
run_case "huge settings file" close-box exit-button

# Root reads and writes whatever the modes say; for anyone else this file can
# be neither read nor written, nor can its folder take a new one.
fresh_home
mkdir -p "$settings_dir"
printf '[Settings]\nLqvwdoo=4\n' >"$settings"
chmod 000 "$settings"
chmod 555 "$settings_dir"
run_case "unreadable settings file in a read-only folder" file-exit close-box

# Not even root can read or write a folder as the file.
fresh_home
mkdir -p "$settings"
run_case "folder in place of the settings file" close-box alt-x
[ -d "$settings" ] || fail "the folder in place of the settings file was replaced"

fresh_home
printf 'not a folder\n' >"$settings_dir"
run_case "file in place of the settings folder" file-exit exit-button
[ "$(cat "$settings_dir")" = "not a folder" ] || fail "the file in place of the folder was changed"

# --- The update reminder: the question first, answered No from the keyboard,
# then the main window; nothing is opened and today counts as asked.

fresh_home
case_name="update reminder due"
mkdir -p "$settings_dir"
printf '[Settings]\nGxudwlrq=%s\nLqvwdoo=%s\n' \
    "$(scramble "$(date -d '15 days ago' +%F)")" "$(scramble 7)" >"$settings"
start_program reminder
wait_until 20 has_visible_window "$pid" "$box_title" || fail "$case_name: no question"
box=$(visible_window "$pid" "$box_title")
wait_until 10 is_active "$box" || fail "$case_name: the question is not active"
# Had the main window come first, the manager would have taken it on first.
! has_visible_window "$pid" "$main_title" || fail "$case_name: the main window came before the answer"
xdotool key alt+n
expect_main_window "$case_name"
wait_until 10 grep -q "^Gxudwlrq=$(scramble "$(date +%F)")\$" "$settings" ||
    fail "$case_name: the date was not moved to today"
grep -q "^Lqvwdoo=$(scramble 7)\$" "$settings" || fail "$case_name: the install count changed"
close_main close-box
close_exit_screen close-box
[ ! -s "$opened" ] || fail "$case_name: No opened $(cat "$opened")"
echo "ok: $case_name (answered No; main window by close-box, exit screen by close-box)"

# --- A lock left by a copy killed with SIGKILL ---

fresh_home
case_name="lock left by a killed copy"
start_program killed
expect_main_window "$case_name"
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
[ -e "$lock" ] || fail "$case_name: the killed copy left no lock to test with"
run_case "$case_name" file-exit return

# --- Empty locks, as a copy killed while it started or wrote leaves them ---

fresh_home
case_name="empty locks left behind"
mkdir -p "$settings_dir"
: >"$lock"
: >"$settings.lock"
run_case "$case_name" close-box exit-button
[ ! -e "$settings.lock" ] || fail "$case_name: the settings lock stayed"

# --- Pages with and without a browser ---

# Help > Online Help from the keyboard, then, once the help address shows in
# TRACE (the menu has closed by then and cannot swallow the click), a click on
# the offer in front; then the About window, opened and closed with Esc, shows
# that the main window still takes input and, being modal and synchronous,
# that whatever the two openings might show has been shown by then.
open_pages_then_about() { # BIN TRACE
    start_program "$case_name" "$1"
    expect_main_window "$case_name"
    xdotool key alt+h o
    wait_until 10 grep -q 'help-web-page' "$2" || fail "$case_name: Online Help opened no help page"
    height=$(xdotool getwindowgeometry --shell "$main" | sed -n 's/^HEIGHT=//p')
    # The offer labels sit near the foot of the fixed-size client area.
    xdotool mousemove --window "$main" 239 $((height - 26)) click 1
    xdotool key alt+h a
    wait_until 10 has_about_window || fail "$case_name: the main window no longer opens About"
    about=$(about_window)
    wait_until 10 is_active "$about" || fail "$case_name: the About window is not active"
    xdotool key Escape
    wait_until 10 only_window_is "$main" || fail "$case_name: windows other than the main one stayed"
    wait_until 10 is_active "$main" || fail "$case_name: the main window is not active again"
}

fresh_home
case_name="pages with a browser"
open_pages_then_about "$browser_bin" "$opened"
# Each address reaches the browser from a process of its own, in any order.
browser_got_two() { [ "$(wc -l <"$opened")" -eq 2 ]; }
wait_until 10 browser_got_two || fail "$case_name: the browser got: $(cat "$opened")"
grep -q 'brand' "$opened" || fail "$case_name: the offer opened no offer page"
close_main close-box
close_exit_screen alt-x
echo "ok: $case_name (two pages handed over; About closed by Esc)"

fresh_home
case_name="pages with no browser"
# Qt names each address it found nothing to open with: both were tried.
log="$E2E_TMP/$case_name.log"
open_pages_then_about "$no_browser_bin" "$log"
wait_until 10 grep -q 'brand' "$log" || fail "$case_name: the offer was not tried"
close_main file-exit
close_exit_screen close-box
echo "ok: $case_name (nothing shown; About closed by Esc)"

echo "PASS"
