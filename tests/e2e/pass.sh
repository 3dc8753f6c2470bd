#!/usr/bin/env bash
# Drives the real program as a candidate would, in a private X server with a window manager, with
# real input events from xdotool only:
#  1. a whole pass with every answer right (mnemonics for the spatial test, mouse clicks 70 ms
#     apart for the paths, dials and lengths, typed answers and one double click on "Suivant" for
#     the reasoning items), Return tapped through the computation screen, and the best score (173)
#     on the results;
#     given a series' folder, the program is started there, as its launcher's action starts it,
#     and question 2 of each picture test must show that series' picture;
#  2. a pass guessing against the clock, one button clicked every 60 ms: each test ends after
#     exactly its number of clicks, and "Sortir" ends the program;
#  3. the window destroyed by another X client, on the title screen and on an instruction screen:
#     the program ends.
# With E2E_WINE=1, for the Windows program under Wine, the window is closed by the window manager
# instead, as its frame's close button does: Windows lets no other program destroy a window, and
# Wine never tells the program that its X window went.
# What the program shows is read from a watching plugin that writes its visible texts to a file.
# The program is given this X server's platform whatever the caller's environment says. Every wait
# has a limit; a failure says what was awaited, what the program showed and which windows were up.
#   [E2E_WINE=1] pass.sh PROGRAM ANSWERS_TOOL PLUGIN_FOLDER [SERIES_FOLDER] (absolute paths)
set -euo pipefail
program=$1
answers_tool=$2
plugins=$3
series_folder=${4:-}
for tool in Xvfb openbox xdotool xprop setxkbmap xkbcomp; do
    command -v $tool >/dev/null || { echo "$tool is missing"; exit 77; }
done

work=$(mktemp -d)
report=$work/report
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# Says what was awaited and what the program and the screen showed, then stops.
fail() {
    echo "FAIL: $*" >&2
    echo "--- what the program shows:" >&2
    if [[ -s $report ]]; then cat "$report" >&2; else echo "(nothing: no window of the program was seen)" >&2; fi
    echo "--- what it wrote:" >&2
    cat "$work/program.log" >&2 2>/dev/null || true
    if [[ -n ${DISPLAY:-} ]]; then
        echo "--- the windows on the screen; the active one:" \
            "$(xdotool getactivewindow getwindowname 2>/dev/null || echo none)" >&2
        xwininfo -root -children >&2 2>/dev/null || true
    fi
    exit 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 200); do [[ -s $work/display ]] && break; sleep 0.05; done
[[ -s $work/display ]] || fail "Xvfb gave no display within 10 s"
export DISPLAY=:$(cat "$work/display")
openbox >/dev/null 2>&1 &
pids+=($!)
# Windows mapped before the window manager runs are not given the focus.
for _ in $(seq 600); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "openbox did not start within 30 s"
# The keyboard gets a key of its own for "é", as a French keyboard has. Without it xdotool remaps a
# spare key for the moment of each stroke, and the program, reading the new map a moment late, now
# and then takes the stroke for no letter at all. The key is the one the US map leaves empty beside
# the right Shift: Wine gives a Windows key code only to the first few keys it does not know. (The
# window manager's connection keeps the server from resetting the map.)
setxkbmap -print | sed 's/xkb_symbols *{ include "[^"]*"/& key <AB11> { [ eacute, Eacute ] };/' |
    xkbcomp -w 0 - "$DISPLAY"

timeout 120 "$answers_tool" >"$work/answers" || fail "the answers tool failed or took over 120 s"
mapfile -t key_lines <"$work/answers"
declare -A key
items=() # the reasoning items, in their order
for line in "${key_lines[@]}"; do
    key[${line%% *}]=${line#* }
    if [[ $line == Test3* ]]; then items+=("${line%% *}"); fi
done

# Waits until the program shows a line matching the pattern (grep -E), 20 s at most unless told;
# fails at once when the program is gone.
wait_for() {
    local pattern=$1 seconds=${2:-20}
    for _ in $(seq $((seconds * 20))); do
        grep -qE -- "$pattern" "$report" 2>/dev/null && return 0
        [[ -z ${app:-} ]] || kill -0 "$app" 2>/dev/null || fail "the program ended while awaited to show: $pattern"
        sleep 0.05
    done
    fail "waited ${seconds}s for the program to show: $pattern"
}
shows() { grep -qE -- "$1" "$report" 2>/dev/null; }
wait_gone() {
    for _ in $(seq 400); do
        shows "$1" || return 0
        sleep 0.05
    done
    fail "still shown after 20 s: $1"
}

# Runs a command that waits (xdotool's --sync waits without end), for that many seconds at most.
within() {
    local seconds=$1 what=$2
    shift 2
    timeout "$seconds" "$@" >/dev/null || fail "waited ${seconds}s for $what"
}

# The screen position of the button of that object name: "x y".
place_of() {
    local line
    line=$(grep -F "button $1 " "$report" | head -n 1)
    [[ -n $line ]] || fail "no button $1"
    echo "$line" | cut -d' ' -f3,4
}

click() {
    local at
    at=$(place_of "$1") || exit 1
    xdotool mousemove $at click 1
}

# Clicks the answer buttons by their numbers (1 = the first), one press every `apart` ms.
click_answers() {
    local apart=$1 chain=() pause at
    shift
    pause=$(printf '0.%03d' $((apart - 10))) # a click takes about 10 ms
    for number in "$@"; do
        at=$(place_of "Command2[$((number - 1))]") || exit 1
        chain+=(mousemove $at click 1 sleep "$pause")
    done
    xdotool "${chain[@]}"
}

# Starts the program in a folder of its own, empty unless one is given. The program gets a window
# on this X server whatever platform the caller's shell chose (a headless setup often exports
# QT_QPA_PLATFORM=offscreen); a Windows program under Wine reads WINEQT_ variables as its QT_ ones.
start_program() {
    local folder=${1:-$work/empty}
    rm -f "$report"
    mkdir -p "$work/empty"
    (cd "$folder" && exec env -u WINEQT_QPA_PLATFORM QT_QPA_PLATFORM=xcb E2E_REPORT="$report" \
        QT_PLUGIN_PATH="$plugins" QT_QPA_GENERIC_PLUGINS=e2ewatch HOME="$work/empty" "$program") \
        2>>"$work/program.log" &
    app=$!
    pids+=($app)
    wait_for '^window Titre .*exposed' 60
    # Keys go to the active window: the window manager may not have made it so yet.
    within 20 "the title screen's window, activated" \
        xdotool search --sync --onlyvisible --pid "$app" --name Simulation windowactivate --sync
    wait_for '^window Titre .*exposed active'
}

# The prompt that has the keyboard is owned by the screen under it: the X server has it transient
# for that screen's window (Wine maps a Windows owner so too), and a click on the screen leaves the
# prompt above it, with the keyboard. The window manager hands the keyboard over a moment after the
# prompt shows: this waits for it, 10 s at most.
check_owned_prompt() {
    local owner= prompt= owned=no top hints flags functions
    for _ in $(seq 100); do
        owner=$(xdotool search --onlyvisible --pid "$app" --name ' - VALDOR$' | head -n 1)
        prompt=$(xdotool getactivewindow 2>/dev/null) || prompt=
        if [[ -n $owner && -n $prompt && $prompt != "$owner" ]]; then
            owner=$(printf '0x%x' "$owner") prompt=$(printf '0x%x' "$prompt")
            xprop -id "$prompt" WM_TRANSIENT_FOR | grep -q "# $owner\$" && owned=yes && break
        fi
        sleep 0.1
    done
    [[ $owned == yes ]] || fail "the prompt that has the keyboard ($prompt) is not owned by its screen ($owner):" \
        "$(xprop -id "$prompt" WM_NAME WM_TRANSIENT_FOR 2>&1)"
    # It asks for neither a minimise nor a maximise button (openbox draws them all the same); under
    # Wine, these hints come from its Windows style.
    hints=$(xprop -id "$prompt" _MOTIF_WM_HINTS | sed 's/.*= //')
    read -r flags functions _ <<<"${hints//,/ }"
    ((flags & 1 && !(functions & 0x19))) || fail "the prompt asks for minimise or maximise buttons: $hints"
    xdotool mousemove --window "$owner" 20 20 click 1
    sleep 0.3
    # The window manager's stacking order goes from the bottom up.
    top=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr ',' '\n' | tr -d ' ' |
        grep -xE "$owner|$prompt" | tail -n 1)
    [[ $top == "$prompt" ]] || fail "a click on its screen put the screen above the prompt"
    wait_for '^window .* QInputDialog exposed active' 2
}

# Answers the input box with a text, once it shows, after checking that the screen owns it. The
# Return that closes it is a plain stroke: its release must reach the program, else the next
# Return would be taken for a held key and ignored.
answer_prompt() {
    wait_for '^window .* QInputDialog exposed active'
    check_owned_prompt
    xdotool key ctrl+a type --delay 40 "$1"
    wait_for "^box [^ ]* $1\$" 2
    xdotool key Return
    wait_gone '^window .* QInputDialog'
}

expect_exit() {
    for _ in $(seq 100); do
        kill -0 "$app" 2>/dev/null || { wait "$app" || fail "the program exited with $?"; return 0; }
        sleep 0.05
    done
    fail "the program is still running: $1"
}

# In a series' folder, question 2 of a picture test shows that series' file: the pixels on screen
# are the file's (question 1 is stored with the screen).
expect_series_picture() {
    [[ -n $series_folder ]] || return 0
    local digest
    digest=$("$answers_tool" digest "$series_folder/$1") || fail "no digest of $series_folder/$1"
    # "Question 2 sur 60", or "Tableau de bord, question 2" for the dials.
    wait_for "^picture Picture1 [^0-9]*2( sur [0-9]+)? $digest\$" 5
}

# Clicks the right answer to question 1, checks question 2's picture, then answers the rest.
answer_test() {
    local picture=$1
    shift
    click_answers 70 "$1"
    expect_series_picture "$picture"
    shift
    click_answers 70 "$@"
}

# Presses "Suivant" (Command1): with the key named, the first key typed after a prompt closed,
# which must reach the screen's focused button; else with a click.
suivant() {
    if [[ -n ${1:-} ]]; then xdotool key "$1"; else click Command1; fi
}

begin_pass() {
    local name=$1
    wait_for '^button Command1 .*Suivant'
    suivant "${2:-}"
    answer_prompt "$name"
    wait_for '^window Presentation1 .*exposed active'
}

leave_instructions() {
    wait_for "^window $1 .*exposed active"
    suivant "${3:-}"
    wait_for "^window $2 .*exposed active"
}

echo "1. every answer right, fast${series_folder:+, in $series_folder}"
start_program "$series_folder"
# F5 on "Suivant" (focused at start) sets the limit of each test.
xdotool key F5
answer_prompt 300
# After each prompt, the first key typed reaches the screen: Return presses "Suivant".
begin_pass Zoé Return
shows '^label Label7 .*300 secondes' || fail "the limit set with F5 should show"
leave_instructions Presentation1 Test1 Return
keys=()
for value in ${key[Test1]}; do keys+=("alt+$(printf "\\x$(printf %x $((96 + value)))")"); done
xdotool key "${keys[0]}"
expect_series_picture image2.gif
xdotool key --delay 70 "${keys[@]:1}"
leave_instructions Presentation2 Test2
answer_test chemin2.gif ${key[Test2]}
leave_instructions Presentation3 Test3a
for item in "${items[@]}"; do
    # Keys go where the window manager sends them: to the new item once it is active.
    wait_for "^window $item .*exposed active"
    xdotool type --delay 60 "${key[$item]}"
    for _ in $(seq 40); do
        typed=$(grep -c '^box Text2 .' "$report" || true)
        [[ $typed -eq ${#key[$item]} ]] && break
        sleep 0.05
    done
    [[ $typed -eq ${#key[$item]} ]] || fail "$typed of the ${#key[$item]} characters typed reached $item"
    if [[ $item == "${items[3]}" ]]; then
        # A double click moves one item on: its second press falls on the next item's "Suivant".
        xdotool mousemove $(place_of Command2 || exit 1) click --repeat 2 --delay 80 1
    else
        click Command2
    fi
done
leave_instructions Presentation4 Test4
answer_test cadran2.gif ${key[Test4]}
leave_instructions Presentation5 Test5
answer_test barre2.gif ${key[Test5]}
wait_for '^window Calcul1 .*exposed active'
# An impatient candidate taps Return through the wait, and a moment after the results show.
for _ in $(seq 120); do
    xdotool key Return
    sleep 0.3
    shows '^window Resultats ' && break
done
xdotool key Return sleep 0.3 key Return
sleep 0.5
shows '^window Resultats ' || fail "Return tapped through the wait left the results"
shows '^window .* QInputDialog' && fail "Return tapped through the wait asked for a name"
shows "^label Label2 ${key[Score]}\$" || fail "the score should be ${key[Score]}"
shows '^label Label1 Super, Zoé !$' || fail "the greeting should be «Super, Zoé !»"

echo "2. guessing against the clock, one click every 60 ms"
sleep 1
click Command1
wait_for '^window Titre .*exposed active'
begin_pass Léa
# Each test takes exactly its number of clicks: one fewer leaves it on screen, one more ends it.
guess_through() {
    local test=$1 questions=$2 next=$3
    wait_for "^window $test .*exposed active"
    click_answers 60 $(yes 1 | head -n $((questions - 1)))
    sleep 0.5
    shows "^window $test " || fail "$test ended before its $questions clicks"
    click_answers 60 1
    wait_for "^window $next .*exposed active" 5
}
leave_instructions Presentation1 Test1
guess_through Test1 60 Presentation2
leave_instructions Presentation2 Test2
guess_through Test2 30 Presentation3
leave_instructions Presentation3 Test3a
for item in "${items[@]}"; do
    wait_for "^window $item .*exposed active"
    # Two clicks on "Suivant" quicker than a double click make one: the second is dropped.
    sleep 0.45
    click Command2
done
leave_instructions Presentation4 Test4
guess_through Test4 40 Presentation5
leave_instructions Presentation5 Test5
guess_through Test5 30 Calcul1
wait_for '^window Resultats .*exposed active' 40
shows "^label Label5 .*meilleur score est de ${key[Score]} et a été obtenu par Zoé\\.\$" ||
    fail "the best score of the run should be Zoé's ${key[Score]}"
sleep 1
click Sortie
expect_exit "after «Sortir»"

close_from_outside() {
    if [[ -n ${E2E_WINE:-} ]]; then
        # Openbox closes the active window on Alt+F4.
        within 20 "the screen's window, activated" \
            xdotool search --sync --onlyvisible --pid "$app" --name 'Simulation' windowactivate --sync
        xdotool key alt+F4
    else
        within 20 "the screen's window, to close it" \
            xdotool search --sync --onlyvisible --pid "$app" --name 'Simulation' windowclose
    fi
}

echo "3. the window closed from outside the program"
start_program
close_from_outside
expect_exit "its title screen was closed"
start_program
begin_pass Zoé
close_from_outside
expect_exit "its instruction screen was closed"

echo "All passes went as a candidate expects."
