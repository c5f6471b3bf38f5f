#!/bin/bash
# Saving and loading with the real game under Xvfb, keys only: a new game sped up, "Uloz Hru" in
# the in-game menu with its message and console line, "Koniec Hry" keeping an autosave, the
# game left; started again, "Nacitaj Hru" lists both saves, the saved one is loaded and the game
# runs on from its date. The saves go to the work folder (XDG_DATA_HOME, set by hra_lib.sh).
# Arguments: the varnhold binary, the data folder, a folder for screenshots, the empty-window
# baseline binary (citaj_text is built beside it).
set -u
GAME="$(realpath "$1")"; DATA="$(realpath "$2")"; SHOTS="$3"; EMPTY="$(realpath "$4")"
SHOT_PREFIX=save
source "$(dirname "$0")/hra_lib.sh"
start_xvfb "${W}x${H}x24" || exit 1
SAVES="$XDG_DATA_HOME/varnhold/saves"

# --- a new game at speed 0.1, saved from the in-game menu
start_game "$GAME" 1
wait_for_line "setting Fonts END " || { fail "the game did not reach its main menu"; exit 1; }
sleep 1.5
key space
wait_for_line "Hra bezi " || fail "Nova Hra did not start the game"
sleep 1
key z
sleep 3
key Escape s space
wait_for "ULOZENA HRA " 10 || fail "Uloz Hru printed no ULOZENA HRA line"
shot saved
expect_at 100 "$(line 6)" "HRA ULOZENA" "GGG GGGGGGG"
expect_at 100 "$(line 8)" "ULOZ HRU" "cccc ccc"
read -r _ _ SAVE DATE < <(grep -a "^ULOZENA HRA " "$OUT" | head -1)
[[ "$SAVE" == "$SAVES"/hra-*.hra && -s "$SAVE" ]] || fail "the save '$SAVE' is not a file of $SAVES"
[[ "$DATE" =~ ^[0-9]+\.2\.1$ ]] || fail "the save's date '$DATE' is not a day of February, year 1"

# --- "Koniec Hry": an autosave, the main menu; then "Ukonci Hru"
key s s space
wait_for "ULOZENA HRA $SAVES/autoulozenie-1.hra $DATE" 10 || fail "Koniec Hry made no autosave of $DATE"
shot main_menu
expect_at 100 "$(line 5)" "MENU"
key s s s s space
expect_exit_0 "Ukonci Hru"

# --- started again: the list, newest first (the autosave), the save loaded
start_game "$GAME" 2
wait_for_line "setting Fonts END " || { fail "the game did not start again"; exit 1; }
sleep 1.5
key s space
shot list
expect_at 100 "$(line 5)" "NACITAJ HRU"
DEN=${DATE%%.*}
expect_at 100 "$(line 7)" "$DEN\. FEBRUAR 1  LUDIA 30  ZIADNE" "c+ c{7} c  c{5} cc  c{6}"
expect_at 100 "$(line 8)" " +ULOZENA [0-9.]{10} [0-9]{2}\.[0-9]{2}  AUTOMATICKY"
expect_at 100 "$(line 9)" "$DEN\. FEBRUAR 1  LUDIA 30  ZIADNE" "w+ w{7} w  w{5} ww  w{6}"
expect_at 100 "$(line 10)" " +ULOZENA [0-9.]{10} [0-9]{2}\.[0-9]{2}"
key s space
wait_for "NACITANA HRA $SAVE $DATE" 10 || fail "the save was not loaded as NACITANA HRA $SAVE $DATE"
wait_for_line "Hra bezi " || fail "the loaded game did not start"
# The saved speed (0.1: a day in half a second) runs on from the saved date.
shot loaded
expect_at 100 "$(line 6)" " [0-9]+\. FEBRUAR \(2\) 1"
den=$(read_at 100 "$(line 6)" 20 | sed -E 's/^ *([0-9]+)\..*/\1/')
[ "${den:-0}" -ge "$DEN" ] && [ "${den:-0}" -le $((DEN + 3)) ] || fail "the loaded game shows day '$den', saved on $DEN"
sleep 2
shot runs_on
dalej=$(read_at 100 "$(line 6)" 20 | sed -E 's/^ *([0-9]+)\..*/\1/')
[ "${dalej:-0}" -gt "${den:-0}" ] || fail "the loaded game did not run on from day $den (day '$dalej')"
key Escape s s s space s s s s space
expect_exit_0 "Ukonci Hru"
[ -s "$ERR" ] && { echo "stderr:"; cat "$ERR"; }
exit $FAILED
