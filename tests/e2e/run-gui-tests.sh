#!/usr/bin/env bash
# End-to-end test of the Windows program under Wine in a private Xvfb display.
# usage: run-gui-tests.sh WINEPREFIX PROGRAM.exe DRIVER.exe SCREENSHOT.png
# Runs the driver's scenarios, types real keystrokes through the X server,
# and saves a screenshot of the window after a compute. Stops only what it
# started: its Xvfb (by PID) and the Wine server of its own prefix.
set -uo pipefail
prefix=$1
program=$2
driver=$3
screenshot=$4
here="$(cd "$(dirname "$0")" && pwd)"
wine_run="$here/../../cmake/wine-run.sh"

display=""
for number in $(seq 91 140); do
    if [ ! -e "/tmp/.X$number-lock" ] && [ ! -e "/tmp/.X11-unix/X$number" ]; then
        display=$number
        break
    fi
done
if [ -z "$display" ]; then
    echo "no free X display number"
    exit 1
fi

Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
    WINEPREFIX="$(cd "$prefix" && pwd)" /usr/lib/wine/wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=":$display"
for _ in $(seq 1 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done

drive() { "$wine_run" "$prefix" "$driver" "$@" | tr -d '\r'; }

failed=0
drive scenarios "$program" || failed=1

# The window after a compute of the defaults, for people to look at. The
# program started here outlives the driver and would hold a pipe open, so
# this step writes to a file.
if "$wine_run" "$prefix" "$driver" open "$program" >"$screenshot.log" 2>&1; then
    geometry=$(drive client-rect)
    xwd -root -silent -display ":$display" | convert xwd:- -crop "$geometry" +repage "$screenshot" &&
        echo "screenshot: $screenshot ($geometry)"
else
    echo "FAIL the window did not open for the screenshot"
    failed=1
fi

# A failed compute paints its verdict in the warning red (#BE1E2D), not in
# the green of a finished one (#008060): count those pixels in the verdict
# label (client 492,142, 492 x 46) of the screen.
if drive failed-compute; then
    read -r origin_x origin_y < <(drive client-rect | sed -E 's/^[0-9]+x[0-9]+\+([0-9]+)\+([0-9]+)$/\1 \2/')
    label="492x46+$((origin_x + 492))+$((origin_y + 142))"
    pixels=$(xwd -root -silent -display ":$display" | convert xwd:- -crop "$label" +repage txt:-)
    red=$(grep -ci '#BE1E2D' <<<"$pixels" || true)
    green=$(grep -ci '#008060' <<<"$pixels" || true)
    if [ "$red" -ge 20 ] && [ "$green" -eq 0 ]; then
        echo "PASS failed compute paints the verdict red ($red red pixels, no green)"
    else
        echo "FAIL failed compute verdict colour: $red red and $green green pixels"
        failed=1
    fi
    drive set-field 2 4
else
    echo "FAIL failed compute does not show the check-inputs verdict"
    failed=1
fi

# Real keystrokes: click into the dose field, type 1.5 and press Enter.
drive set-field 0
read -r x y < <(drive field-point 0)
xdotool mousemove "$x" "$y" click 1
sleep 0.5
xdotool type --delay 60 "1.5"
xdotool key Return
sleep 1
drive expect-high-dose || failed=1
drive close

exit "$failed"
