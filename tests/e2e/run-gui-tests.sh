#!/usr/bin/env bash
# End-to-end test of the Windows programs under Wine in a private Xvfb display.
# usage: run-gui-tests.sh WINEPREFIX DRIVER.exe SCREENSHOT_DIR PROGRAM.exe...
# The home (kelomed.exe) lists, finds and opens the tools; every program
# (kelomed-tNNN.exe) runs the driver's table-driven scenario,
# and its verdict colour is counted on the screen; tool 48 also runs its own
# scenarios and real keystrokes typed through the X server, tool 106 a pair
# of drugs of each level, and the rota and the handover template their
# longest reports, shown, copied and saved whole (the record file read back
# with a CSV reader). Saves a screenshot of each window after a
# compute. Stops only what it started: its Xvfb (by PID) and the Wine server
# of its own prefix.
set -uo pipefail
prefix=$1
driver=$2
shots=$3
shift 3
here="$(cd "$(dirname "$0")" && pwd)"
wine_run="$here/../../cmake/wine-run.sh"
mkdir -p "$shots"

# shellcheck source=private-display.sh
. "$here/private-display.sh"
set_dpi() {
    "$wine_run" "$prefix" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        >/dev/null 2>&1
    # The next program starts with the new DPI only under a new Wine server.
    WINEPREFIX="$(cd "$prefix" && pwd)" /usr/lib/wine/wineserver -k 2>/dev/null || true
}
dpi_changed=0
cleanup() {
    if [ "$dpi_changed" -eq 1 ]; then
        set_dpi 96
    fi
    WINEPREFIX="$(cd "$prefix" && pwd)" /usr/lib/wine/wineserver -k 2>/dev/null || true
    stop_private_display
}
trap cleanup EXIT
# The private display runs no window manager: Wine would wait two seconds
# for one at each window it hides (every message box), so its windows are
# its own to manage.
"$wine_run" "$prefix" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# A Wine server that a test without a display left running would hold on to
# the windows this run opens: start from none.
WINEPREFIX="$(cd "$prefix" && pwd)" /usr/lib/wine/wineserver -k 2>/dev/null || true
start_private_display || exit 1

# A driver run that printed nothing at all and failed never reached a check
# (one such run, its cause hidden by WINEDEBUG=-all, was seen under load):
# it is said and run once more; a second such run fails.
drive() {
    local output status
    output=$("$wine_run" "$prefix" "$driver" "$@" | tr -d '\r')
    status=$?
    if [ -z "$output" ] && [ "$status" -ne 0 ]; then
        echo "NOTE the driver printed nothing and exited $status for: $*; running it again" >&2
        output=$("$wine_run" "$prefix" "$driver" "$@" | tr -d '\r')
        status=$?
    fi
    if [ -n "$output" ]; then
        printf '%s\n' "$output"
    fi
    return "$status"
}
# A program started by the driver outlives it and would hold a pipe open, so
# these runs write to a file.
drive_to_file() {
    local log=$1
    shift
    "$wine_run" "$prefix" "$driver" "$@" >"$log.raw" 2>&1
    local status=$?
    tr -d '\r' <"$log.raw" >"$log"
    cat "$log"
    return $status
}

failed=0

# The window's client area, WxH+X+Y: the one given, or the driver's answer.
client_geometry() {
    if [ -n "${1:-}" ]; then
        echo "$1"
    else
        drive client-rect
    fi
}

# The verdict label (client 492,142, 492 x 46) must show the colour of
# `level` and none of the other levels' colours. GEOMETRY, when known,
# saves a run of the driver.
check_verdict_colour() {
    local level=$1 what=$2 geometry=${3:-}
    local colours=(008060 B08400 D66C00 BE1E2D)
    local expected=${colours[0]}
    if [ "$level" -ge 1 ] && [ "$level" -le 3 ]; then
        expected=${colours[$level]}
    fi
    local origin_x origin_y
    read -r origin_x origin_y < <(client_geometry "$geometry" |
        sed -E 's/^[0-9]+x[0-9]+\+([0-9]+)\+([0-9]+)$/\1 \2/')
    local pixels
    pixels=$(xwd -root -silent -display ":$display" |
        convert xwd:- -crop "492x46+$((origin_x + 492))+$((origin_y + 142))" +repage txt:-)
    local found=0 others=0 colour count
    for colour in "${colours[@]}"; do
        count=$(grep -ci "#$colour" <<<"$pixels" || true)
        if [ "$colour" = "$expected" ]; then
            found=$count
        else
            others=$((others + count))
        fi
    done
    if [ "$found" -ge 20 ] && [ "$others" -eq 0 ]; then
        echo "PASS $what: level $level paints the verdict #$expected ($found pixels, no other level's colour)"
    else
        echo "FAIL $what: level $level wants #$expected: $found pixels, $others of other levels' colours"
        failed=1
    fi
}

# Button ID must (1) or must not (0) have the focus and show the focus cue:
# pixels of the primary blue #007AA8 inside a secondary button, or of white
# at the cue's inset inside the primary one. The screen is read again until
# it shows so or the deadline passes: the cue is painted after the focus
# moves.
check_focus_cue() {
    local id=$1 want=$2 what=$3
    local left top width height focused origin_x origin_y count colour crop
    local deadline=$((SECONDS + 15))
    while :; do
        read -r left top width height focused < <(drive button-rect "$id")
        read -r origin_x origin_y < <(drive client-rect | sed -E 's/^[0-9]+x[0-9]+\+([0-9]+)\+([0-9]+)$/\1 \2/')
        colour=007AA8
        crop="${width}x${height}+$((origin_x + left))+$((origin_y + top))"
        if [ "$id" -eq 1001 ]; then
            # The cue's top edge: 3 pixels in, 2 high, clear of the caption.
            colour=FFFFFF
            crop="$((width - 8))x2+$((origin_x + left + 4))+$((origin_y + top + 3))"
        fi
        count=$(xwd -root -silent -display ":$display" | convert xwd:- -crop "$crop" +repage txt:- |
            grep -ci "#$colour" || true)
        if { [ "$want" -eq 1 ] && [ "$focused" -eq 1 ] && [ "$count" -ge 40 ]; } ||
            { [ "$want" -eq 0 ] && [ "$focused" -eq 0 ] && [ "$count" -eq 0 ]; }; then
            echo "PASS $what: button $id focused=$focused, $count cue pixels"
            return
        fi
        [ "$SECONDS" -lt "$deadline" ] || break
    done
    echo "FAIL $what: button $id should be focused=$want: at the deadline focused=$focused, $count cue pixels #$colour"
    failed=1
}

screenshot() {
    local file=$1
    local geometry
    geometry=$(client_geometry "${2:-}")
    xwd -root -silent -display ":$display" | convert xwd:- -crop "$geometry" +repage "$file" &&
        echo "screenshot: $file ($geometry)"
}

tool48_scenarios() {
    local program=$1
    drive scenarios "$program" || failed=1

    # The window after a compute of the defaults, for people to look at.
    if drive_to_file "$shots/open.log" open "$program" >/dev/null; then
        screenshot "$shots/window-after-compute.png"
    else
        echo "FAIL the window did not open for the screenshot"
        failed=1
    fi

    # Real keystrokes: click into the dose field, type 1.5, Tab to the
    # weight, type 60 and press Enter.
    drive set-field 0
    drive set-field 1
    local x y
    read -r x y < <(drive field-point 0)
    xdotool mousemove "$x" "$y" click 1
    drive expect-focus "field 0" "a click puts the focus in the dose field" || failed=1
    xdotool type --delay 60 "1.5"
    xdotool key Tab
    xdotool type --delay 60 "60"
    xdotool key Return
    drive expect-high-dose || failed=1

    # From the weight field, where the compute left the focus, Tab five
    # times (the two other fields, the result box, the compute button)
    # reaches the save button, which shows its focus cue; Shift+Tab goes
    # back to the compute button.
    for _ in 1 2 3 4 5; do
        xdotool key Tab
    done
    drive expect-focus "button 1002" "five Tabs" || failed=1
    check_focus_cue 1002 1 "five Tabs"
    check_focus_cue 1005 0 "five Tabs"
    xdotool key shift+Tab
    drive expect-focus "button 1001" "Shift+Tab" || failed=1
    check_focus_cue 1001 1 "Shift+Tab"
    check_focus_cue 1002 0 "Shift+Tab"
    drive close
}

# The rota by keyboard alone, its longest report scrolling in the result
# box: Enter in a field computes, F5 right after computes again; Tab into
# the result box, Page Down scrolls it, Ctrl+A and Ctrl+C copy it; Enter on
# the copy button copies; Esc closes nothing (a Tab after it still moves
# the focus on).
keyboard_only_run() {
    local program=$1
    drive_to_file "$shots/keyboard-launch.log" launch "$program" >/dev/null || { failed=1; return; }
    drive expect-focus "field 0" "the window opens with the focus in its first field" || failed=1
    xdotool key ctrl+a
    xdotool type --delay 40 "40"
    xdotool key Tab
    xdotool type --delay 40 "31"
    xdotool key Return
    drive expect-result 101 40 31 || failed=1
    drive expect-focus "field 1" "Enter computed, the focus stays in the field" || failed=1
    drive clear-result
    xdotool key F5
    drive expect-result 101 40 31 || failed=1
    xdotool key Tab
    drive expect-focus result "Tab reaches the result box" || failed=1
    local before
    before=$(drive first-line)
    xdotool key Next Next
    drive expect-scrolled-past "$before" || failed=1
    drive set-clipboard "-"
    xdotool key ctrl+a ctrl+c
    drive clipboard-holds result || failed=1
    xdotool key Tab Tab Tab
    drive expect-focus "button 1003" "three Tabs on, the copy button" || failed=1
    drive set-clipboard "-"
    xdotool key Return
    drive clipboard-holds copy || failed=1
    xdotool key Escape Tab
    drive expect-focus "button 1004" "Esc closes nothing: a Tab after it moves on" || failed=1
    drive close
}

# Caprini by keyboard alone, its panel scrolling: the age by the arrow
# key, check boxes ticked with Space (the women's items open once "female"
# is), the last factor reached by Tab; computed with F5, saved and copied
# with Enter on the buttons (Enter also closes the message box); the saved
# row read back by a CSV reader with each item's option text.
keyboard_scale_run() {
    local program=$1
    drive forget-record 125
    drive_to_file "$shots/caprini-launch.log" launch "$program" >/dev/null || { failed=1; return; }
    drive expect-focus "field 0" "the window opens with the focus in its first field" || failed=1
    tab() { xdotool key --delay 30 $(printf 'Tab %.0s' $(seq 1 "$1")); }
    xdotool key Down
    tab 1
    xdotool key space
    tab 15
    xdotool key space
    tab 3
    xdotool key space
    tab 19
    xdotool key space
    drive focus-shown 38 || failed=1
    xdotool key F5
    tab 3
    xdotool key Return
    drive expect-box "已保存" || failed=1
    xdotool key Return
    drive expect-no-box || failed=1
    tab 1
    xdotool key Return
    local values=(1 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 5)
    drive_to_file "$shots/caprini-keyboard.log" keyboard-result 125 "${values[@]}" || failed=1
    python3 "$here/check_record_csv.py" \
        "$(cd "$prefix" && pwd)/drive_c/users/$(id -un)/AppData/Local/KeloMedSuite/records/T125.csv" 1 ||
        failed=1
    drive close
}

# The home: every program listed, "dba" typed through the X server leaves
# the tools whose initials begin so, Enter starts the first in a process of
# its own; back in the home, Enter again brings its window forward without
# a second process; opened again, the home lists that tool first, and a
# double click on it opens it once; alone in a folder, it says a program is
# missing. Typed in the home: "xsfx" finds the two VTE scales by initials
# within a word, Ctrl+A chooses the search for what is typed next, Esc
# empties it.
# Back to the home, which a tool's window covers: raised (as from the
# taskbar) and clicked in its search field. Under load the click can come
# before the raise has taken effect and land on the tool's window; the home
# then has no focus, and the raise and click are tried again, three times
# at most.
click_home_search() {
    local attempt x y output
    for attempt in 1 2 3; do
        xdotool search --name "^病区计算工具\$" windowraise >/dev/null 2>&1 || return 1
        read -r x y < <(drive home-search-point)
        xdotool mousemove "$x" "$y" click 1
        if output=$(drive home-focused); then
            printf '%s\n' "$output"
            return 0
        fi
        echo "NOTE the click in the home's search left it without the focus (try $attempt)" >&2
    done
    printf '%s\n' "$output"
    return 1
}

home_run() {
    local program=$1
    drive_to_file "$shots/home-list.log" home-list "$program" || { failed=1; return; }
    xdotool type --delay 60 "dba"
    drive home-found dba || failed=1
    xwd -root -silent -display ":$display" | convert xwd:- "$shots/home-dba.png" &&
        echo "screenshot: $shots/home-dba.png"
    xdotool key Return
    drive home-opened 70 new || failed=1
    click_home_search || failed=1
    xdotool key Return
    drive home-opened 70 again || failed=1
    drive home-close
    drive_to_file "$shots/home-recent.log" home-recent "$program" 70 || failed=1
    drive home-focused || failed=1
    xdotool type --delay 60 "xsfx"
    drive home-search xsfx 125 126 || failed=1
    xdotool key ctrl+a
    xdotool type --delay 60 "dba"
    drive home-search dba 070 || failed=1
    xdotool key Escape
    drive home-search - || failed=1
    # A double click on that first row opens the tool once.
    read -r x y < <(drive home-row-point 0)
    xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
    drive home-opened 70 new || failed=1
    drive home-close
    drive_to_file "$shots/home-missing.log" home-missing "$program" || failed=1
}

screen_programs=()
for program in "$@"; do
    name=$(basename "$program" .exe)
    if [ "$name" = "kelomed" ]; then
        echo "== $name (the home)"
        home_run "$program"
        continue
    fi
    id=$((10#${name#kelomed-t}))
    echo "== $name"
    if [ "$id" -eq 48 ]; then
        tool48_scenarios "$program"
    fi
    drive_to_file "$shots/$name.log" tool "$program" "$id" || failed=1
    level=$(sed -n 's/^LEVEL //p' "$shots/$name.log" | tail -1)
    client=$(sed -n 's/^CLIENT //p' "$shots/$name.log" | tail -1)
    if [ -n "$level" ]; then
        check_verdict_colour "$level" "$name defaults" "$client"
        screenshot "$shots/$name.png" "$client"
    fi
    # The longest reports, whole on screen, on the clipboard and in a record
    # file a CSV reader reads one row per record; the rota's file first
    # holds a record written the old, unquoted way.
    if [ "$id" -eq 101 ] || [ "$id" -eq 109 ]; then
        if [ "$id" -eq 101 ]; then
            drive_to_file "$shots/$name-whole.log" whole-report "$program" 101 old-record 40 31 || failed=1
        else
            drive_to_file "$shots/$name-whole.log" whole-report "$program" 109 new-file 30 || failed=1
        fi
        python3 "$here/check_record_csv.py" \
            "$(cd "$prefix" && pwd)/drive_c/users/$(id -un)/AppData/Local/KeloMedSuite/records/T$(printf %03d "$id").csv" 2 ||
            failed=1
    fi
    if [ "$id" -eq 48 ] || [ "$id" -eq 101 ] || [ "$id" -eq 66 ]; then
        screen_programs+=("$program")
    fi
    if [ "$id" -eq 106 ]; then
        # A pair of each level, from contraindicated to nothing recorded.
        for pair in "1 2" "9 3" "6 7" "1 9"; do
            output=$(drive compute 106 $pair) || failed=1
            echo "$output"
            check_verdict_colour "$(sed -n 's/^LEVEL //p' <<<"$output")" "$name drugs $pair"
        done
    fi
    drive close
    # By keyboard alone, each in a window of its own.
    if [ "$id" -eq 101 ]; then
        keyboard_only_run "$program"
    fi
    if [ "$id" -eq 125 ]; then
        keyboard_scale_run "$program"
    fi
    # Records keep what was typed: a first dose at 8:05, an amount of
    # 12345.67, a drug chosen from the list, read back by a CSV reader.
    typed=""
    case $id in
        102) typed="8:05 8 3" ;;
        110) typed="12 12345.67 250 40" ;;
        106) typed="1 9" ;;
    esac
    if [ -n "$typed" ]; then
        # shellcheck disable=SC2086
        drive_to_file "$shots/$name-typed.log" whole-report "$program" "$id" typed $typed || failed=1
        python3 "$here/check_record_csv.py" \
            "$(cd "$prefix" && pwd)/drive_c/users/$(id -un)/AppData/Local/KeloMedSuite/records/T$(printf %03d "$id").csv" 2 ||
            failed=1
        drive close
    fi
done

# Every ward screen: 96, 120 and 144 DPI on a 1920 x 1080 screen, and 96 DPI
# on 1366 x 768 and 1024 x 768, each with a 40-pixel taskbar under its work
# area; tool 48, a report program and a formula tool with lists in each.
# The window's title bar is Wine's own, so the screenshots show it.
if [ ${#screen_programs[@]} -gt 0 ]; then
    drive manifest "${screen_programs[0]}" || failed=1
    "$wine_run" "$prefix" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    for screen in "1920 1080 96" "1920 1080 120" "1920 1080 144" "1366 768 96" "1024 768 96"; do
        read -r width height dpi <<<"$screen"
        WINEPREFIX="$(cd "$prefix" && pwd)" /usr/lib/wine/wineserver -k 2>/dev/null || true
        stop_private_display
        start_private_display "${width}x${height}" "$((height - 40))" || { failed=1; continue; }
        dpi_changed=1
        set_dpi "$dpi"
        for program in "${screen_programs[@]}"; do
            name=$(basename "$program" .exe)
            echo "== $name on ${width}x${height} at $dpi DPI"
            drive_to_file "$shots/$name-${width}x${height}-${dpi}dpi.log" screen "$program" "$dpi" |
                grep -E "^(SCREEN|FAIL|gui:)"
            grep -q "^gui: [0-9]* passed, 0 failed" "$shots/$name-${width}x${height}-${dpi}dpi.log" ||
                failed=1
            xwd -root -silent -display ":$display" | convert xwd:- "$shots/$name-${width}x${height}-${dpi}dpi.png" &&
                echo "screenshot: $shots/$name-${width}x${height}-${dpi}dpi.png"
            drive close
        done
    done
    set_dpi 96
    dpi_changed=0
    "$wine_run" "$prefix" reg delete 'HKCU\Software\Wine\X11 Driver' /v Decorated /f >/dev/null 2>&1
fi

exit "$failed"
