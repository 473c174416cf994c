#!/bin/sh
# Runs a test program under an X server of its own, with openbox as window
# manager, for the faults that only a real X server shows (its keyboard
# bindings, a window manager placing and activating windows, real pointer
# events). The server takes a free display number, so runs side by side never
# meet; the server and the window manager go when the test ends, however it
# ends. Where Xvfb, openbox, xprop or xdotool is missing the test is skipped (exit
# status 77).
#
#   on_x_server.sh PROGRAM [ARGUMENT...]
#
# ROTAVEX_X_SCREEN sets the screen's size and depth (1280x1024x24 unless set).

for tool in Xvfb openbox xprop xdotool; do
    if ! command -v $tool >/dev/null 2>&1; then
        echo "$tool is not installed: test skipped"
        exit 77
    fi
done

work=$(mktemp -d) || exit 1
server=
manager=
stop() {
    [ -n "$manager" ] && kill "$manager" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# wait_for WHAT PID LOG CONDITION...: waits until CONDITION holds, for at
# most 10 s and only while the process PID lives; otherwise shows its LOG.
wait_for() {
    what=$1 pid=$2 log=$3
    shift 3
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        if [ $tries -gt 200 ] || ! kill -0 "$pid" 2>/dev/null; then
            echo "The $what did not start:" >&2
            cat "$log" >&2
            exit 1
        fi
        sleep 0.05
    done
}

# Xvfb writes its display number once it accepts connections.
Xvfb -displayfd 3 -screen 0 "${ROTAVEX_X_SCREEN:-1280x1024x24}" -nolisten tcp -noreset 3>"$work/display" 2>"$work/server.log" &
server=$!
wait_for "X server" "$server" "$work/server.log" grep -q . "$work/display"
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY

# The window manager is ready once it names itself on the root window.
named_on_root() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
openbox --sm-disable >"$work/manager.log" 2>&1 &
manager=$!
wait_for "window manager" "$manager" "$work/manager.log" named_on_root

QT_QPA_PLATFORM=xcb "$@"
