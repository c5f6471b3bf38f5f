#!/bin/bash
# Starts the real game under Xvfb and checks what a player and a maintainer see at start-up:
# the answers to --version, --help and a wrong argument, the console lines in their order and a
# quiet standard error, both logos in their quarters of the main menu, the memory it holds there,
# and failed starts that say why: without the title logo, without a display, and with a driver
# too old for OpenGL 3.3.
# Arguments: the varnhold binary, the data folder, a folder for screenshots, the empty-window
# baseline binary.
set -u
GAME="$(realpath "$1")"; DATA="$(realpath "$2")"; SHOTS="$3"; EMPTY="$(realpath "$4")"
source "$(dirname "$0")/xvfb_lib.sh"
mkdir -p "$SHOTS"
WORK=$(mktemp -d)
PIDS=()
cleanup() {
    for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }

# Waits until FILE holds a line equal to TEXT (or the process PID ends); 0 when it came.
wait_for_line() {
    local file="$1" text="$2" pid="$3"
    for _ in $(seq 1 600); do
        grep -qxF -- "$text" "$file" 2>/dev/null && return 0
        kill -0 "$pid" 2>/dev/null || { grep -qxF -- "$text" "$file" 2>/dev/null; return $?; }
        sleep 0.1
    done
    return 1
}
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

# --- the arguments: a version line and a usage, each with status 0; anything else is refused
"$GAME" --version >"$WORK/arg.out" 2>&1 || fail "--version ended with $?"
grep -qxE "varnhold [0-9]+\.[0-9]+\.[0-9]+" "$WORK/arg.out" && [ "$(wc -l <"$WORK/arg.out")" -eq 1 ] ||
    fail "--version printed: $(cat "$WORK/arg.out")"
"$GAME" --help >"$WORK/arg.out" 2>&1 || fail "--help ended with $?"
head -1 "$WORK/arg.out" | grep -q "^Usage: varnhold \[--help | --version\]$" || fail "--help printed: $(cat "$WORK/arg.out")"
for wrong in --fullscreen "--version --help"; do
    "$GAME" $wrong >"$WORK/wrong.out" 2>"$WORK/wrong.err"
    rc=$?
    [ "$rc" -eq 2 ] && [ ! -s "$WORK/wrong.out" ] && grep -q "^Usage: varnhold" "$WORK/wrong.err" ||
        fail "'$wrong' was not refused with the usage (status $rc)"
done

# --- no display: a clear message and a non-zero exit
(cd "$DATA" && env -u DISPLAY -u WAYLAND_DISPLAY "$GAME" >"$WORK/nodisp.out" 2>"$WORK/nodisp.err")
rc=$?
[ "$rc" -ne 0 ] || fail "the game started without a display"
grep -qxF "Failed to initialize GLFW" "$WORK/nodisp.err" || fail "no GLFW failure message without a display"
grep -q "GLFW error .*DISPLAY" "$WORK/nodisp.err" || fail "the window library's reason is missing: $(cat "$WORK/nodisp.err")"

start_xvfb 1280x1024x24 || exit 1

# --- a driver that offers only OpenGL 3.0: the failure line, the library's reason, the version
(cd "$DATA" && MESA_GL_VERSION_OVERRIDE=3.0 "$GAME" >"$WORK/old.out" 2>"$WORK/old.err")
rc=$?
[ "$rc" -eq 255 ] || fail "with OpenGL 3.0 the game exited with $rc, not -1"
grep -qxF "Failed to open GLFW window. 1280 x 1024 with OpenGl version 3.3" "$WORK/old.err" &&
    grep -q "GLFW error" "$WORK/old.err" && grep -q "offers OpenGL 3\.0 " "$WORK/old.err" ||
    fail "an old driver is not explained: $(cat "$WORK/old.err")"

# --- baseline: an empty window with a 3.3 core context on the same display
"$EMPTY" >"$WORK/empty.out" 2>&1 &
EPID=$!; PIDS+=("$EPID")
wait_for_line "$WORK/empty.out" "ready" "$EPID" || fail "the empty window did not start"
sleep 1
BASE_RSS=$(rss_kb "$EPID")
kill "$EPID"; wait "$EPID" 2>/dev/null

# --- the game, up to its main menu
(cd "$DATA" && exec "$GAME") >"$WORK/game.out" 2>"$WORK/game.err" &
GPID=$!; PIDS+=("$GPID")
wait_for_line "$WORK/game.out" "setting Fonts END " "$GPID" || fail "start-up did not reach the frame loop"
sleep 2
kill -0 "$GPID" 2>/dev/null || fail "the game ended at its main menu"
GAME_RSS=$(rss_kb "$GPID")
import -window root "$SHOTS/main_menu.png"
echo "resident memory: game ${GAME_RSS} kB, empty window ${BASE_RSS} kB, difference $((GAME_RSS - BASE_RSS)) kB"
[ $((GAME_RSS - BASE_RSS)) -le 65536 ] || fail "the main menu holds more than 64 MB over an empty window"

# The start-up lines, in this order (other lines may stand between them).
EXPECTED=(
    "GLEW OK"
    "GL VERSION: *"
    "GLSL VERSION: *"
    "Loading OBJ file ./obj/graf_obj/buildings/house/house.obj"
    "Loading OBJ file ./obj/graf_obj/Visual_Pointers/Veza/vezaCudziaStriela.obj"
    "Reading image ./obj/graf_obj/logo/logo.bmp"
    "Reading image ./obj/graf_obj/logo/Orvek.bmp"
    "Compiling shader : LogoVertexShader.txt"
    "Linking program"
    "width x height [1280,1024] , resolution [1279,1023]"
    "[0.000000,0.000000,0.000000] --> *"
    "[1279.000000,1023.000000,0.000000] --> *"
    "0 OK "
    "choosed Button : Nova Hra"
    "Nastavenia deaktivovane "
    "Hra zastavena "
    "Inicializacia OK"
    "Compiling shader : SimpleVertexShader.vertexshader.txt"
    "Compiling shader : SingleColor.fragmentshader.txt"
    "starting setting buffers "
    "buffers setted"
    "setting Fonts START"
    "Loading OBJ file ./Fonts/Q.obj"
    "setting Fonts END "
)
line=0
mapfile -t OUT < "$WORK/game.out"
for pattern in "${EXPECTED[@]}"; do
    found=0
    while [ $line -lt ${#OUT[@]} ]; do
        # A trailing * matches any rest of the line; everything else is literal.
        if [[ "$pattern" == *'*' ]]; then
            [[ "${OUT[$line]}" == "${pattern%\*}"* ]] && { found=1; line=$((line + 1)); break; }
        elif [[ "${OUT[$line]}" == "$pattern" ]]; then
            found=1; line=$((line + 1)); break
        fi
        line=$((line + 1))
    done
    [ $found -eq 1 ] || { fail "start-up line missing or out of order: '$pattern'"; break; }
done
grep -q "ERROR\|Impossible" "$WORK/game.out" && fail "start-up reported a loading error"
[ -s "$WORK/game.err" ] && fail "a good start wrote to standard error: $(cat "$WORK/game.err")"

# Both logos fill their quarters.
logos_shown "$SHOTS/main_menu.png" "$DATA" || fail "the main menu lacks a logo"

kill "$GPID"; wait "$GPID" 2>/dev/null

# --- without the title logo: the four failure lines and -1, the emblem is not tried; standard
# error names the file and the folder
mkdir -p "$WORK/data"
cp -r "$DATA"/. "$WORK/data/"
rm "$WORK/data/obj/graf_obj/logo/logo.bmp"
(cd "$WORK/data" && "$GAME") >"$WORK/nologo.out" 2>"$WORK/nologo.err"
rc=$?
grep -q "cannot open obj/graf_obj/logo/logo.bmp in the data folder $WORK/data " "$WORK/nologo.err" &&
    [ "$(wc -l <"$WORK/nologo.err")" -eq 1 ] || fail "the missing logo is not reported: $(cat "$WORK/nologo.err")"
[ "$rc" -eq 255 ] || fail "without the title logo the game exited with $rc, not -1"
grep -A3 -xF "Reading image ./obj/graf_obj/logo/logo.bmp" "$WORK/nologo.out" > "$WORK/nologo.tail"
printf '%s\n' "Reading image ./obj/graf_obj/logo/logo.bmp" \
    "./obj/graf_obj/logo/logo.bmp sa nenasiel" "nepodarilo sa nacitat obrazky " \
    "Inicializacia okna zlyhala" | diff - "$WORK/nologo.tail" >/dev/null ||
    fail "the failure lines without the title logo differ: $(cat "$WORK/nologo.tail")"
grep -q "Orvek.bmp" "$WORK/nologo.out" && fail "the emblem was tried after the title logo failed"

[ $FAILED -eq 0 ] && echo "start-up checks passed"
exit $FAILED
