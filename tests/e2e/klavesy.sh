#!/bin/bash
# Key mashing: the real game built with AddressSanitizer and UndefinedBehaviorSanitizer gets
# thousands of seeded random presses and holds from its key set (and a few keys it does not read)
# under Xvfb: in the main menu and the in-game menu, the windows, placement, fast-forward, and a
# battle in the test build's prepared town. A game that leaves through "Ukonci Hru" on its own is
# started again. Nothing may crash, no sanitizer may report, and every run ends with status 0,
# the last through "Ukonci Hru" reached with keys.
# Leaks are not checked: the GL driver, unloaded at exit, leaves allocations LeakSanitizer cannot
# attribute to anyone.
# Arguments: the sanitized varnhold binary, the data folder, a folder for screenshots, the
# empty-window binary (the sanitized test build varnhold_bojisko and citaj_text stand beside it).
set -u
GAME="$(realpath "$1")"; DATA="$(realpath "$2")"; SHOTS="$3"; EMPTY="$(realpath "$4")"
BOJISKO="$(dirname "$EMPTY")/varnhold_bojisko"
PRESSES="${KLAVESY_PRESSES:-900}"  # per run; two runs
SHOT_PREFIX=klavesy
source "$(dirname "$0")/hra_lib.sh"
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1"
start_xvfb "${W}x${H}x24" || exit 1
RANDOM=20261207
RUNS=0; KEYS=0; HOLDS=0

# Starts BINARY and waits for its main menu.
start() {
    RUNS=$((RUNS + 1))
    start_game "$1" "$RUNS"
    wait_for_line "setting Fonts END " && { sleep 1; return 0; }
    fail "run $RUNS did not reach its main menu"
    return 1
}
# After a run has ended: its status and what the sanitizers said.
ended() {
    wait "$GPID"; local rc=$?
    GPID=""
    [ "$rc" -eq 0 ] || fail "run $RUNS ended with status $rc"
    if grep -qE "ERROR: AddressSanitizer|runtime error|ERROR: LeakSanitizer" "$ERR"; then
        fail "run $RUNS: a sanitizer reported"
        head -60 "$ERR"
    fi
}
# One random key of the given set: a press, or now and then a hold of up to half a second.
mash_key() {
    local set=("$@") k
    k="${set[$((RANDOM % ${#set[@]}))]}"
    if [ $((RANDOM % 8)) -eq 0 ]; then
        xdotool keydown "$k"; sleep "0.$((RANDOM % 5 + 1))"; xdotool keyup "$k"
        HOLDS=$((HOLDS + 1))
    else
        xdotool key "$k"
        sleep "0.0$((RANDOM % 9 + 1))"
    fi
    KEYS=$((KEYS + 1))
}
# Mashes N keys of the set, starting BINARY again whenever a run leaves through "Ukonci Hru".
mash() {
    local n="$1" binary="$2"; shift 2
    for _ in $(seq 1 "$n"); do
        if ! kill -0 "$GPID" 2>/dev/null; then
            ended
            grep -qF "choosed Button : Ukonci Hru" "$OUT" || fail "run $RUNS ended without Ukonci Hru"
            start "$binary" || return 1
        fi
        mash_key "$@"
    done
}
# Leaves the game from wherever it is, with keys: out of placement and windows, through the
# in-game menu's "Koniec Hry" (after a battle has ended) and the main menu's "Ukonci Hru".
leave() {
    for _ in $(seq 1 80); do
        kill -0 "$GPID" 2>/dev/null || return 0
        case "$(line_now 5 30)" in
            "MENU") xdotool key --delay 150 s s s s s space ;;
            "HERNE MENU") xdotool key --delay 150 s s s space ;;
            "OVLADANIE") xdotool key Escape ;;
            "KONIEC HRY") xdotool key space ;;
            *) xdotool key --delay 150 x Escape Escape ;;
        esac
        sleep 0.8
    done
    fail "the game could not be left with keys"
    shot stuck
}

ALL=(a b c d e f g h i j k l m n o p q r s t u v w x y z 0 1 2 3 4 5 6 7 8 9
     Escape space Left Right Up Down F1 F11 F2 Return Tab)
# Keys of the game's own windows and the war, without Esc and the menu keys that could leave
# the battle town before its attack.
BATTLE=(1 2 3 4 5 6 7 8 9 0 g i space Left Right Up Down h d a b k u o r x)

# --- the game: menus, windows, placement, speed and fast-forward
start "$GAME" || exit 1
xdotool key space
mash "$PRESSES" "$GAME" "${ALL[@]}"
shot game
leave
kill -0 "$GPID" 2>/dev/null || ended

# --- the test build's town and its battle, then everything again
start "$BOJISKO" || exit 1
xdotool key space
# The town is built while "Nova Hra" runs: a key pressed before the game runs is lost.
wait_for "Hra bezi " || fail "Nova Hra did not start the test build's game"
# The first day of a new game brings the speed back to 1.0: speed up once the date has moved.
for _ in $(seq 1 60); do
    [[ "$(line_now 6 30)" =~ ^\ *2[2-9]\.\ NOVEMBER ]] && break
    sleep 0.5
done
xdotool key z
# The attack comes on 1 December, ten game days on; how long that takes in wall time depends on
# how fast the sanitized game draws here, so the wait is bounded by time, not by keys.
DEADLINE=$((SECONDS + 180))
while ! grep -qF "utok vytvoreny" "$OUT" && [ "$SECONDS" -lt "$DEADLINE" ]; do
    mash_key "${BATTLE[@]}"
    sleep 0.2
done
echo "the attack came after $((SECONDS + 180 - DEADLINE)) s"
grep -qF "utok vytvoreny" "$OUT" || {
    fail "no battle came in the test build's town"
    grep -aE "Hra bezi|Hra zastavena|den|datum" "$OUT" | tail -5
}
while ! grep -qF "UKONCOVANIE UTOKU" "$OUT" && kill -0 "$GPID" 2>/dev/null; do
    mash_key "${BATTLE[@]}"
done
shot after_battle
mash "$PRESSES" "$BOJISKO" "${ALL[@]}"
leave
kill -0 "$GPID" 2>/dev/null || ended
grep -qF "choosed Button : Ukonci Hru" "$OUT" || fail "the last run did not leave through Ukonci Hru"

echo "$KEYS keys ($HOLDS held) in $RUNS runs"
exit $FAILED
