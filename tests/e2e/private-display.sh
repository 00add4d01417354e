# A private Xvfb display for tests that open windows; sourced by their
# scripts. start_private_display [WIDTHxHEIGHT [WORK_AREA_HEIGHT]] sets
# DISPLAY and xvfb_pid, and fails (with the Xvfb stopped) when the display
# does not answer within five seconds; a work area shorter than the screen
# stands for a taskbar at the bottom (Wine reads _NET_WORKAREA, which an Xvfb
# keeps only with -noreset). stop_private_display stops that Xvfb only, by
# its PID.

start_private_display() {
    local geometry=${1:-1280x1024} work_height=${2:-}
    local number
    display=""
    for number in $(seq 91 140); do
        if [ ! -e "/tmp/.X$number-lock" ] && [ ! -e "/tmp/.X11-unix/X$number" ]; then
            display=$number
            break
        fi
    done
    if [ -z "$display" ]; then
        echo "no free X display number"
        return 1
    fi
    Xvfb ":$display" -screen 0 "${geometry}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$display"
    for _ in $(seq 1 50); do
        if xdotool getdisplaygeometry >/dev/null 2>&1; then
            if [ -n "$work_height" ]; then
                xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0,0,${geometry%x*},$work_height"
            fi
            return 0
        fi
        sleep 0.1
    done
    echo "Xvfb :$display did not answer"
    stop_private_display
    return 1
}

stop_private_display() {
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
