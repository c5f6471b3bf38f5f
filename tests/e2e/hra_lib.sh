# Shared by the end-to-end tests that play the game under Xvfb: a work folder and the game's
# process (both cleaned up at exit), failures, keys, screenshots, and the text of a screenshot read
# back with citaj_text (built beside the empty-window binary).
# Set before sourcing: DATA (the data folder), SHOTS (the screenshot folder), EMPTY (the
# empty-window binary); then call start_xvfb.
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_lib.sh"
CITAJ="$(dirname "$EMPTY")/citaj_text"
mkdir -p "$SHOTS"
WORK=$(mktemp -d)
# Saved games go to the work folder, never to the home of whoever runs the tests.
export XDG_DATA_HOME="$WORK/xdg"
GPID=""
FAILED=0
# 1280 x 1024: text cells of min(1024 / 50, 1280 / 100) = 12 pixels.
W=1280; H=1024; S=12
cleanup() {
    [ -n "$GPID" ] && { kill "$GPID" 2>/dev/null; wait "$GPID" 2>/dev/null; }
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; FAILED=1; }

# Starts BINARY from the data folder with its console in OUT and ERR; GPID is its process.
start_game() {
    OUT="$WORK/game${2:-}.out"; ERR="$WORK/game${2:-}.err"
    (cd "$DATA" && exec "$1") >"$OUT" 2>"$ERR" &
    GPID=$!
}
# Waits up to SECONDS (30) for the console to hold TEXT within a line; 0 when it came. (Some
# lines are printed without a line end and run into the next.)
wait_for() {
    local text="$1" seconds="${2:-30}"
    for _ in $(seq 1 $((seconds * 10))); do
        grep -qF -- "$text" "$OUT" && return 0
        kill -0 "$GPID" 2>/dev/null || { grep -qF -- "$text" "$OUT"; return $?; }
        sleep 0.1
    done
    return 1
}
# Waits until the console holds at least COUNT (1) lines equal to TEXT; 0 when they came.
wait_for_line() {
    local text="$1" count="${2:-1}"
    for _ in $(seq 1 300); do
        [ "$(grep -cxF -- "$text" "$OUT")" -ge "$count" ] && return 0
        kill -0 "$GPID" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}
key() {
    for k in "$@"; do
        xdotool key "$k"
        sleep 0.35
    done
}
# Saves the screen as SHOTS/PREFIX_NAME.png and makes it the current shot.
shot() {
    sleep 0.3
    CURRENT="$SHOTS/${SHOT_PREFIX}_$1.png"
    import -window root "$CURRENT"
}
line() { echo $(($1 * S)); }  # height of the k-th line of the text layer
# Reads N cells at window pixel (X, Y) (lower-left origin) of the current shot, and with K more
# lines above: "TEXT<TAB>COLOURS" per line, an empty cell read as '.' in the colours.
read_raw() { "$CITAJ" "$CURRENT" "$DATA" "$S" "$@"; }
read_at() { read_raw "$@" | cut -f1 | sed 's/ *$//'; }
colours_at() { read_raw "$1" "$2" "$3" | cut -f2; }
# The text of N cells of the K-th line at the left margin, in a fresh shot (made the current one).
line_now() {
    CURRENT="$WORK/now.png"
    import -window root "$CURRENT"
    read_at 100 "$(line "$1")" "$2"
}
# Expects the text at (X, Y) to match the extended regular expression RE (anchored) and, with a
# fourth argument, its colours to match that one (an empty cell written as a blank).
expect_at() {
    local x="$1" y="$2" re="$3" colours="${4:-}" got text farby
    got="$(read_raw "$x" "$y" $(((W - x) / S)))"
    text="$(sed 's/ *$//' <<<"${got%%$'\t'*}")"
    farby="${got#*$'\t'}"
    farby="${farby//./ }"
    if ! grep -qE "^${re}\$" <<<"$text"; then
        fail "$(basename "$CURRENT") at ($x,$y): read '$text', expected /$re/"
    elif [ -n "$colours" ] && ! grep -qE "^${colours}" <<<"$farby"; then
        fail "$(basename "$CURRENT") at ($x,$y): colours '$farby', expected /$colours/"
    fi
}
# The notices from the top of the screen down, one a line (text only), K (12) lines of the
# current shot.
notices() { read_raw 100 $((H - (${1:-12} + 1) * S)) $(((W - 100) / S)) "${1:-12}" | tac | cut -f1 | sed 's/ *$//'; }
# Expects one of the notices to match RE (anchored) with COLOURS (its cells from the first).
expect_notice() {
    local re="$1" colours="${2:-}" got
    got="$(read_raw 100 $((H - 13 * S)) $(((W - 100) / S)) 12 | tac | grep -E "^${re} *$(printf '\t')" | head -1)"
    if [ -z "$got" ]; then
        fail "$(basename "$CURRENT"): no notice /$re/ in:"$'\n'"$(notices)"
    elif [ -n "$colours" ] && ! grep -qE "^${colours}" <<<"$(cut -f2 <<<"$got" | tr . ' ')"; then
        fail "$(basename "$CURRENT"): notice /$re/ in colours '$(cut -f2 <<<"$got")', expected /$colours/"
    fi
}
no_notice() {
    if notices | grep -qE "^$1"; then fail "$(basename "$CURRENT"): a notice /$1/ in:"$'\n'"$(notices)"; fi
}
# The pixels of SHOT within W x H at (X, Y) from the top-left that are red: red above 0.6, green
# and blue below 0.35 (the tint of a refused placement; no model is coloured so).
red_pixels() { convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -fx "(r>0.6 && g<0.35 && b<0.35)" -format '%[fx:int(mean*w*h+0.5)]' info:; }
# Waits for the game to end by itself (up to 5 s) and expects status 0.
expect_exit_0() {
    for _ in $(seq 1 50); do kill -0 "$GPID" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$GPID" 2>/dev/null; then
        fail "$1 did not end the game"
    else
        wait "$GPID"; local rc=$?
        [ "$rc" -eq 0 ] || fail "the game ended with status $rc"
        # The game's last line: frames drawn and their median and 99th-percentile time.
        grep -E "^snimky [0-9]+  median [0-9.]+ ms  99\. percentil [0-9.]+ ms$" "$OUT" || fail "no frame times at the end"
    fi
    GPID=""
}
