#!/bin/bash
# A new player's first minutes with the real game under Xvfb, keys only: the main menu, a new
# game, the status line with the next rank's goal, the speed and the date, the country overview
# with its tabs and pages, the build list, a placement on the main building tinted red and
# refused with its reason, a well placed near the main building and built at speed, its notice,
# its information window and upgrade, the in-game menu; a second new game left alone, whose
# month ends warn of water and food running out before anyone dies; the controls help, and
# leaving through "Ukonci Hru" with status 0.
# Every screen is saved and its text is read back from the pixels (citaj_text); the console
# lines are checked too.
# Arguments: the varnhold binary, the data folder, a folder for screenshots, the empty-window
# baseline binary (citaj_text is built beside it).
set -u
GAME="$(realpath "$1")"; DATA="$(realpath "$2")"; SHOTS="$3"; EMPTY="$(realpath "$4")"
SHOT_PREFIX=play
source "$(dirname "$0")/hra_lib.sh"
start_xvfb "${W}x${H}x24" || exit 1
start_game "$GAME"

wait_for_line "setting Fonts END " || { fail "the game did not reach its main menu"; exit 1; }
sleep 1.5

# --- the main menu: the title, "Menu" and the buttons, the first one chosen
shot main_menu
expect_at 100 "$(line 2)" "VARNHOLD" "GGGGGGGG"
expect_at 100 "$(line 5)" "MENU"
expect_at 100 "$(line 7)" "NOVA HRA" "cccc ccc"
expect_at 100 "$(line 10)" "OVLADANIE" "wwwwwwwww"
expect_at 100 "$(line 11)" "UKONCI HRU"
key w  # no wrapping: still "Nova Hra"
key space
wait_for_line "Hra bezi " || fail "Nova Hra did not start the game"

# --- the running game: rank and what the next one needs, speed, date
shot new_game
expect_at 100 "$(line 2)" "PRIVILEGIA ZIADNE  DALEJ MALE MESTO DOSPELI 30 / 100" "wwwwwwwwww llllll  wwwww llll lllll wwwwwww ll l lll"
expect_at 100 "$(line 3)" "RYCHLOST 1X" "wwwwwwww ll"
expect_at 100 "$(line 6)" " [0-9]{1,2}\. FEBRUAR \(2\) 1" " r+ r{7} r{3} r"
NEW_GAME_SHOT="$CURRENT"

# --- the country overview: three tabs, pages
OX=$((W / 4)); OY=$((H / 20))
key h
shot overview_resources
expect_at "$OX" $((OY + 3 * S)) "KAPACITA 5000" "wwwwwwww wwww"
expect_at "$OX" $((OY + 4 * S)) "DREVO +POCET 100 +VYROBENE [0-9]+ +POUZITE [0-9]+ +BILANCIA +-?[0-9]+"
key s
shot overview_resources_page2
expect_at "$OX" $((OY + 4 * S)) "JABLKO +POCET 100 .*"
key s  # past the last page: back to the first
shot overview_resources_page3
expect_at "$OX" $((OY + 4 * S)) "DREVO +POCET 100 .*"
key d
shot overview_buildings
expect_at "$OX" $((OY + 2 * S)) " ZBERAC DREVA 0"
expect_at "$OX" $((OY + 22 * S)) " HLAVNA BUDOVA 1"
key s
shot overview_buildings_page2
expect_at "$OX" $((OY + 2 * S)) " PALISADA 0"
key d
shot overview_people
expect_at "$OX" $((OY + 2 * S)) "LUDIA 30  MUZ 15 \+ ZENA 15 \+ DETI 0" "wwwww ll  www ll w wwww ll w wwww l"
expect_at "$OX" $((OY + 4 * S)) "STAVBARI 5"
key d  # from the people tab back to resources
shot overview_wrap
expect_at "$OX" $((OY + 3 * S)) "KAPACITA 5000"
key w w Escape

# --- the build list: step to the well, choose it, place it at the view centre, confirm
BX=$((W / 3)); BY=$((H / 4))
key b
shot build_list
expect_at "$BX" $((BY + 2 * S)) "ZBERAC DREVA"
expect_at 25 $((BY + 3 * S)) "ZBERAC DREVA" "cccccc ccccc"
key s s s s s s s s
shot build_list_well
expect_at "$BX" $((BY + 2 * S)) "STUDNA"
expect_at "$BX" $((BY + 4 * S)) "TREBA NA POSTAVENIE"
expect_at "$BX" $((BY + 5 * S)) "DREVO 2" "wwwww l"
expect_at 25 $((BY + 11 * S)) "STUDNA" "cccccc"
key space
shot placing_well
expect_notice "UMIESTNUJES STUDNA - D A W S POSUN  R OTOC  MEDZERNIK POSTAV  X ZRUS" "y+ "

# --- the well moved onto the main building, three tiles nearer: drawn tinted red, and Space
# refused with the reason in red at the top; back to the free tile
key s s s
shot placing_on_main_building
# The well stands in the main building; what shows of it below its front is red.
pred=$(red_pixels "$NEW_GAME_SHOT" 580 700 200 120); teraz=$(red_pixels "$CURRENT" 580 700 200 120)
[ "$pred" -lt 50 ] && [ "$teraz" -gt 1000 ] || fail "the well on the main building is not tinted red ($pred red pixels before, $teraz now)"
key space
shot placement_refused
expect_notice "NEDA SA POSTAVIT - MIESTO JE OBSADENE" "r+ "
wait_for "error : V stavani brani ina budova alebo teren" 5 || fail "the refusal was not printed as before"
key w w w
key space
shot well_started
no_notice "NEDA SA POSTAVIT"
# Under construction: 1 % and 40 more each day (a day may pass before the shot).
expect_at 100 "$(line 4)" "STUDNA  1\.LVL (1|41|81)" "rrrrrr  rrrrr r+"

# --- speed 0.1 (days of half a second) until the well (40 % a day) stands, then 0.01 and back
# to 1.0; the status line is read until the percent is gone.
key z
shot speed_10
expect_at 100 "$(line 3)" "RYCHLOST 10X"
for _ in $(seq 1 40); do
    shot well_building
    [ "$(read_at 100 "$(line 4)" 20)" = "STUDNA  1.LVL" ] && break
    sleep 0.2
done
key z z
shot well_finished
expect_at 100 "$(line 4)" "STUDNA  1\.LVL"
expect_at 100 "$(line 3)" "RYCHLOST 1X"
# The well's water has nowhere to go until the month's store count: the notice at the top.
expect_notice "STUDNA - SKLADY SU PLNE" "yyyyyy y yyyyyy yy yyyy"

# --- its information window, the upgrade
key space
wait_for_line "winow opened" || fail "Space on the well opened no window"
shot well_window
expect_at 100 "$(line 8)" "STUDNA - BUDOVA"
expect_at 100 "$(line 9)" " 1\. LEVEL 100\. PERCENT"
expect_at 100 "$(line 12)" "VODA 100" "wwww lll"
expect_at 100 "$(line 14)" "DALSI LEVEL \(U\)"
expect_at 100 "$(line 15)" "LOMOVYKAMEN 10"
key u
shot well_upgraded
expect_at 100 "$(line 9)" " 2\. LEVEL (1|31)\. PERCENT"
expect_at 100 "$(line 4)" "STUDNA  2\.LVL (1|31)"
key Escape

# --- the in-game menu: continue, then back to the main menu
key Escape
wait_for_line "Hra zastavena " 2 || fail "Esc did not stop the game"
shot ingame_menu
expect_at 100 "$(line 5)" "HERNE MENU"
expect_at 100 "$(line 7)" "POKRACUJ" "cccccccc"
expect_at 100 "$(line 8)" "ULOZ HRU"
expect_at 100 "$(line 10)" "KONIEC HRY"
key space
wait_for_line "Hra bezi " 2 || fail "Pokracuj did not resume the game"
key Escape s s s space
shot back_in_main_menu
expect_at 100 "$(line 5)" "MENU"

# --- a new game left alone with month fast-forward: at the first month end the stores have
# spoiled and the notices say in red that water and food are gone; at the second everyone went
# hungry and still nobody died; at the third all die of thirst and the game ends
key space
wait_for_line "Hra bezi " 3 || fail "Nova Hra did not start the second game"
key m
shot month_mode
expect_at 100 "$(line 3)" "RYCHLOST 1X  PO MESIACOCH" "wwwwwwww ll  ll lllllllll"
# The date line of the month end: MONTH within 12 s.
mesiac() {
    for _ in $(seq 1 40); do
        shot "month_$1"
        [[ "$(read_at 100 "$(line 6)" 20)" =~ ^\ 1\.\ $1 ]] && return 0
        sleep 0.3
    done
    fail "no month end to $1"
}
mesiac MAREC
expect_notice "VODA VYDRZI 0 DNI - SKAZILO SA [0-9]+" "r+ "
expect_notice "JEDLO VYDRZI 0 DNI - SKAZILO SA [0-9]+" "r+ "
expect_notice "BEZ DOMOVA 15 MUZOV - VOLNE MIESTA V DOMOCH 0"
no_notice "ZOMRELO"
# The new game's first day puts the speed back to normal and month fast-forward off; when that
# came after the key, the mode is off now: on again, and the status line says so.
expect_at 100 "$(line 3)" "RYCHLOST 1X(  PO MESIACOCH)?"
[ "$(read_at 100 "$(line 3)" 30)" = "RYCHLOST 1X" ] && key m
mesiac APRIL
expect_notice "BEZ JEDLA ALEBO VODY BOLO 30 LUDI" "y+ "
no_notice "ZOMRELO"
for _ in $(seq 1 40); do
    shot game_over
    [ "$(read_at 100 "$(line 5)" 10)" = "KONIEC HRY" ] && break
    sleep 0.3
done
expect_at 100 "$(line 5)" "KONIEC HRY"
expect_at 100 "$(line 6)" "ZOMRELI VSETCI LUDIA"
expect_at 100 "$(line 12)" "OD HLADU ZOMRELO 30 LUDI"
key space
shot back_in_main_menu_again
expect_at 100 "$(line 5)" "MENU"

# --- the controls help and back
key s s s space
shot controls_help
expect_at 100 "$(line 5)" "OVLADANIE" "GGGGGGGGG"
expect_at 100 "$(line 6)" "ZATVOR NAPOVEDU OVLADANIA  ESC"
expect_at 100 "$(line 7)" "HRA" "ccc"
expect_at 100 "$(line 8)" "AKTIVUJ HERNE MENU  ESC" "wwwwwww wwwww wwww  lll"
key Escape
shot help_closed
expect_at 100 "$(line 10)" "OVLADANIE" "ccccccccc"

# --- "Ukonci Hru" ends the process with status 0
key s space
expect_exit_0 "Ukonci Hru"

for expected in "choosed Button : Pokracuj" "choosed Button : Koniec Hry" "choosed Button : Ukonci Hru"; do
    grep -qxF "$expected" "$OUT" || fail "no console line '$expected'"
done
[ -s "$ERR" ] && { echo "stderr:"; cat "$ERR"; }
exit $FAILED
