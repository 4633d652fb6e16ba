#!/bin/sh
# Two real copies of the program for one user: the second shows only its
# message and, once it is dismissed with a key press, ends without a window
# while the first keeps running. A copy killed with SIGKILL leaves a lock that
# does not block the next start.
# Usage: single_instance.sh PROGRAM   (under with_xvfb.sh)
set -eu
program=$1
. "$(dirname "$0")/lib.sh"

main_title="Kelo Diabetes Risk Calculator v1.10"
box_title="Kelo Diabetes Risk Calculator"

e2e_private_home
start_window_manager

"$program" >"$E2E_TMP/first.log" 2>&1 &
first=$!
E2E_PIDS="$E2E_PIDS $first"
wait_until 15 has_visible_window "$first" "$main_title" || fail "the first copy shows no main window"
first_window=$(visible_window "$first" "$main_title")
settings="$XDG_CONFIG_HOME/KeloFreeDiabetesRiskCalculator/KeloFreeDiabetesRiskCalculator.ini"
[ -f "$settings" ] || fail "the first copy wrote no settings file"
grep -q '^Lqvwdoo=' "$settings" || fail "no scrambled install entry in $settings"
grep -q '^Gxudwlrq=' "$settings" || fail "no scrambled date entry in $settings"
echo "first copy: main window $first_window, settings written"

"$program" >"$E2E_TMP/second.log" 2>&1 &
second=$!
E2E_PIDS="$E2E_PIDS $second"
wait_until 15 has_visible_window "$second" "$box_title" || fail "the second copy shows no message"
box=$(visible_window "$second" "$box_title")
activate "$box" || fail "the message cannot be activated"
# A main window shown before the message would have been taken on by the
# window manager before it; one shown after it would keep the copy running.
! has_visible_window "$second" "$main_title" || fail "the second copy shows a main window"
xdotool key Return
wait_until 10 is_gone "$second" || fail "the second copy did not end after its message"
wait "$second" && status=0 || status=$?
[ "$status" -eq 0 ] || fail "the second copy ended with status $status"
is_running "$first" || fail "the first copy did not survive the second"
wait_until 10 has_visible_window "$first" "$main_title" || fail "the first copy lost its main window"
echo "second copy: message shown, ended with status 0; first copy still running"

kill -9 "$first"
wait_until 10 is_gone "$first" || fail "the first copy did not die"
"$program" >"$E2E_TMP/third.log" 2>&1 &
third=$!
E2E_PIDS="$E2E_PIDS $third"
wait_until 15 has_visible_window "$third" "$main_title" ||
    fail "a copy started after SIGKILL shows no main window"
third_window=$(visible_window "$third" "$main_title")
# The lock's message would come first and keep the keyboard from the window.
wait_until 10 is_active "$third_window" || fail "the copy started after SIGKILL is not active"
! has_visible_window "$third" "$box_title" || fail "a copy started after SIGKILL met the old lock"
echo "third copy after SIGKILL of the first: main window shown"
echo "PASS"
