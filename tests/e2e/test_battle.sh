#!/bin/bash
# A battle in the real game under Xvfb. The test build varnhold_bojisko prepares, when "Nova Hra"
# is chosen, a walled town of rank 3 (towers manned, a barracks, five groups and a ram crew) nine
# days before the first attack; everything a player does goes through keys: recruiting at the
# barracks window, walking the camera to the barracks and the gate, selecting a group, ordering it
# to the gate and closing the gate during the battle. The console and the screens' text (read back
# from the pixels) are checked, and every screen is saved.
# Arguments: the varnhold binary (not used: the test build stands beside the empty-window binary),
# the data folder, a folder for screenshots, the empty-window baseline binary.
set -u
DATA="$(realpath "$2")"; SHOTS="$3"; EMPTY="$(realpath "$4")"
GAME="$(dirname "$EMPTY")/varnhold_bojisko"
SHOT_PREFIX=battle
source "$(dirname "$0")/hra_lib.sh"
start_xvfb "${W}x${H}x24" || exit 1
start_game "$GAME"

# What the status line says stands under the pointer (line 4), in a fresh shot.
under_pointer() { line_now 4 40; }
# Moves the camera with KEY (held for HOLD seconds each time) until the status line matches RE;
# adds the time the key was held to HELD.
HELD=0
walk_until() {
    local k="$1" re="$2" hold="$3"
    for _ in $(seq 1 150); do
        grep -qE "$re" <<<"$(under_pointer)" && return 0
        xdotool keydown "$k"; sleep "$hold"; xdotool keyup "$k"
        HELD=$(awk -v a="$HELD" -v b="$hold" 'BEGIN { print a + b }')
        sleep 0.1
    done
    return 1
}
# Pixels of the selected group's marker (bright green, unlike the winter ground and buildings).
green_pixels() {
    convert "$1" -fx '(g > 0.7 && r < 0.5 && b < 0.6) ? 1 : 0' -format '%[fx:round(mean*w*h)]' info:
}

wait_for "setting Fonts END " || { fail "the game did not reach its main menu"; exit 1; }
sleep 1.5
key space
wait_for "Hra bezi " || fail "Nova Hra did not start the game"
shot town
# A large city: what the royal town needs, and the attack that can come this December.
expect_at 100 "$(line 2)" "PRIVILEGIA VELKE MESTO  DALEJ KRALOVSKE MESTO DOSPELI [0-9]+ / 400  UTOK NAJSKOR 1\. DECEMBER 5"
expect_at 100 "$(line 6)" " 2[0-9]\. NOVEMBER \(11\) 5"

# --- recruiting at the barracks window: the "Skupiny" tab, spearmen without armour
key k
shot barracks_window
expect_at 100 "$(line 8)" "BEZ PRACE +[0-9]+"
expect_at 100 "$(line 15)" "POCET SKUPIN 6"
expect_at 100 "$(line 18)" "KOPIJNICI"
[ "$(colours_at 100 "$(line 18)" 9)" = "ccccccccc" ] || fail "the chosen recruiting button is not cyan"
key space
wait_for "vojenska skupina create : 6 -> owner  = 1 vlastna skupina 6" 5 || fail "no group was recruited"
shot recruited
expect_at 100 "$(line 15)" "POCET SKUPIN 7"
key Escape

# --- in peace, the camera to the barracks: the groups stand at their points inside its yard,
# the ram among them (a little past its front, so the points are in the middle of the view);
# then on to the gate and back, timing the walk back for the battle
walk_until Down "^KASAREN  1\.LVL" 0.15 || fail "the camera never reached the barracks"
xdotool keydown Down; sleep 0.4; xdotool keyup Down
grep -q "^KASAREN" <<<"$(under_pointer)" || fail "the camera went past the barracks"
shot groups_at_the_barracks
walk_until Down "^$" 0.15 || fail "the camera did not leave the barracks"
walk_until Down "^DREVENA BRANA" 0.06 || fail "the camera never reached the gate"
shot gate_in_peace
HELD=0
walk_until Up "^KASAREN  1\.LVL" 0.15 || fail "the camera did not come back to the barracks"
xdotool keydown Up; sleep 0.4; xdotool keyup Up
BACK=$(awk -v a="$HELD" 'BEGIN { print a + 0.4 }')

# --- the battle: the speed goes up until 1 December, the attack switches it. It lasts some
# fifteen seconds: the keys come first, the shots taken on the way are read afterwards.
key z
wait_for "utok vytvoreny" 60 || { fail "no attack came"; exit 1; }
shot battle_begins
BEGINS="$CURRENT"
key 1
shot group_selected
SELECTED="$CURRENT"
# Sent to what stands under the pointer, its own barracks or group: it defends or supports it.
key space
grep -qF "FALSE " "$OUT" && fail "the order was refused"

# --- back to the gate as quickly as the camera came (frames may be slower now), and close it
xdotool keydown Down; sleep "$BACK"; xdotool keyup Down
walk_until Down "^DREVENA BRANA" 0.06 || fail "the camera never reached the gate"
if grep -qF "UKONCOVANIE UTOKU" "$OUT"; then
    fail "the battle ended before the gate was reached"
else
    import -window root "$SHOTS/battle_at_the_gate.png"
    key g
    wait_for "STAV BRANY ZMENENY" 5 || fail "G did not close the gate"
    grep -qF "OVLADANIE BRANY ZONING CHANGE REQ" "$OUT" || fail "closing the gate recomputed no zones"
    shot gate_closed
fi

# The selected group: named on the status line, its line cyan, its marker on the map. The status
# line lists the living groups from the seventh line up (the pointer's line is 4, where the
# selected group's name follows what stands under the pointer).
CURRENT="$SELECTED"
read_at 100 "$(line 4)" 30 10 >"$WORK/status.txt"
sed -n 1p "$WORK/status.txt" | grep -qE "^(KASAREN  1\.LVL)?SERMIARI$" || fail "the selected group is not named on the status line"
sed -n 4p "$WORK/status.txt" | grep -qE "^1\. SERMIARI ZDRAVIE\([0-9]+\)$" || fail "group 1 is not listed"
sed -n 9p "$WORK/status.txt" | grep -qE "^6\. BARANIDLO ZDRAVIE\([0-9]+\)$" || fail "the ram's group is not listed"
sed -n 10p "$WORK/status.txt" | grep -qE "^7\. KOPIJNICI ZDRAVIE\([0-9]+\)$" || fail "the recruited group is not listed"
[ "$(colours_at 100 "$(line 7)" 11)" = "cc.cccccccc" ] || fail "the selected group's line is not cyan"
before=$(green_pixels "$BEGINS"); after=$(green_pixels "$SELECTED")
[ "$after" -gt $((before + 30)) ] || fail "no marker of the selected group appeared ($before -> $after green pixels)"
grep -qE "vojenska skupina 0 (obranuje budovu|podporuje)" "$OUT" || fail "the group's order took nothing under the pointer"

# --- the end of the battle: the fallen buried, every group back on its anchor, days again
wait_for "UKONCOVANIE UTOKU" 120 || fail "the battle did not end"
grep -qE "VYHRAL SI OBRANU|NEPRIATEL VYHRAL" "$OUT" || fail "no outcome was printed"
grep -qF "retreate to" "$OUT" || fail "no group retreated to its anchor"
shot after_the_battle
den=$(read_at 100 "$(line 6)" 20 | sed -E 's/^ *([0-9]+)\..*/\1/')
sleep 6  # speed 1.0 again: a day takes five seconds
shot next_day
expect_at 100 "$(line 6)" " [0-9]+\. DECEMBER \(12\) 5"
dalsi=$(read_at 100 "$(line 6)" 20 | sed -E 's/^ *([0-9]+)\..*/\1/')
dni=$((dalsi - den))
[ "$dni" -ge 1 ] && [ "$dni" -le 2 ] || fail "$dni days passed in six seconds after the battle, not one or two"

# --- leave: the in-game menu, "Koniec Hry", "Ukonci Hru"
key Escape s s s space s s s s space
expect_exit_0 "Ukonci Hru"
[ -s "$ERR" ] && { echo "stderr:"; cat "$ERR"; }
[ "$FAILED" -ne 0 ] && grep -aE "utok vytvoreny|UKONCOVANIE|VYHRAL|Hra bezi|Hra zastavena|nevie|obranca" "$OUT" | cut -c1-200 | head -20
exit $FAILED
