#!/bin/sh
# Runs a command on a private Xvfb screen of 1280x1024 and ends the server
# after it. The server picks a free display number itself (-displayfd), so
# runs started at the same moment cannot race for one.
# Usage: with_xvfb.sh COMMAND [ARG...]
set -eu

dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
end_server() {
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -rf "$dir"
}
trap end_server EXIT
trap 'exit 1' INT TERM

# The number is written once the server takes connections.
deadline=$(( $(date +%s) + 30 ))
until [ -s "$dir/display" ]; do
    if ! kill -0 "$xvfb" 2>/dev/null || [ "$(date +%s)" -ge "$deadline" ]; then
        cat "$dir/xvfb.log" >&2
        echo "FAIL: Xvfb did not start" >&2
        exit 1
    fi
    sleep 0.05
done
DISPLAY=:$(cat "$dir/display")
export DISPLAY

"$@" && status=0 || status=$?
exit "$status"
