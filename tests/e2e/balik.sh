#!/bin/bash
# Checks the Debian package that `cpack -G DEB` made in the release build: its name and version,
# the libraries it depends on, the files it installs, its menu entry, metainfo and icons, and
# lintian's verdict; the packaged game started from / with no data installed says so in one line.
# Then, as root, installs it with dpkg, starts the installed game from / under Xvfb up to its main
# menu with both logos drawn, and removes it again, leaving no file behind.
# Arguments: the release build folder, a folder for screenshots.
set -u
BUILD="$(realpath "$1")"; SHOTS="$2"
SRC="$(cd "$(dirname "$0")/../.." && pwd)"
# The game is started from /, wherever its data are.
DATA=/ EMPTY="$BUILD/empty_window"
source "$(dirname "$0")/hra_lib.sh"
INSTALLED=/usr/share/games/varnhold

# --- one package, named by the changelog's version, depending on the libraries the game links
VERSION=$(dpkg-parsechangelog -l "$SRC/packaging/changelog" -S Version)
DEB="$BUILD/varnhold_${VERSION}_$(dpkg --print-architecture).deb"
[ -f "$DEB" ] || { echo "FAIL: no $DEB; made: $(ls "$BUILD"/*.deb 2>/dev/null)"; exit 1; }
[ "$(ls "$BUILD"/varnhold_*.deb | wc -l)" -eq 1 ] || fail "more than one package: $(ls "$BUILD"/varnhold_*.deb)"
DEPENDS=$(dpkg-deb -f "$DEB" Depends)
for lib in libglfw3 libglew libc6 libstdc++6; do
    grep -q "\b$lib" <<<"$DEPENDS" || fail "the package does not depend on $lib: $DEPENDS"
done

# --- the files, where a Debian system looks for them
ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT"
[ -x "$ROOT/usr/games/varnhold" ] || fail "no program in /usr/games"
[ "$("$ROOT/usr/games/varnhold" --version)" = "varnhold $VERSION" ] ||
    fail "the program's version is not the package's $VERSION"
diff -r "$SRC/data" "$ROOT$INSTALLED" >"$WORK/data.diff" || fail "the installed data differ from data/: $(head "$WORK/data.diff")"
DESKTOP="$ROOT/usr/share/applications/varnhold.desktop"
desktop-file-validate "$DESKTOP" || fail "the desktop entry does not validate"
grep -qx "Categories=Game;StrategyGame;" "$DESKTOP" || fail "the desktop entry is not in the games menu"
[ -x "$ROOT$(sed -n 's/^Exec=//p' "$DESKTOP")" ] || fail "the desktop entry starts no program of the package"
METAINFO=$(ls "$ROOT"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$METAINFO" || fail "the metainfo does not validate"
for tag in "<description>" "<screenshot " "<content_rating "; do
    grep -q "$tag" "$METAINFO" || fail "the metainfo has no $tag"
done
# Each icon is a PNG of its size with transparency, whose middle (the shield; the small icons
# leave the swords out) is the largest one's scaled down.
ICONS="$ROOT/usr/share/icons/hicolor"
middle() { convert "$1" -resize "${2}x${2}" -gravity center -crop 50%x50%+0+0 +repage "$3"; }
for s in 16 32 48 64 128 256; do
    icon="$ICONS/${s}x${s}/apps/varnhold.png"
    got=$(identify -format '%m %wx%h %A' "$icon" 2>&1)
    [ "$got" = "PNG ${s}x${s} True" ] || { fail "icon ${s}x${s}: $got"; continue; }
    middle "$ICONS/256x256/apps/varnhold.png" "$s" "$WORK/expected.png"
    middle "$icon" "$s" "$WORK/got.png"
    rmse=$(compare -metric RMSE "$WORK/got.png" "$WORK/expected.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
    awk -v v="$rmse" 'BEGIN {exit !(v < 0.12)}' || fail "icon ${s}x${s} is not the emblem (RMSE $rmse)"
done
# lintian: its warnings are listed, an error fails.
lintian --info "$DEB" 2>&1 | grep -v "^running with root" | tee "$WORK/lintian.txt"
grep -q "^E: " "$WORK/lintian.txt" && fail "lintian reports errors"
echo "lintian: $(grep -c "^E: " "$WORK/lintian.txt") errors, $(grep -c "^W: " "$WORK/lintian.txt") warnings"

# --- without the data installed, the game started from / says in one line where it looked
no_data_line() {  # the game binary, a label
    (cd / && "$1") >"$WORK/nodata.out" 2>"$WORK/nodata.err"
    local rc=$?
    [ "$rc" -eq 255 ] && [ ! -s "$WORK/nodata.out" ] && [ "$(wc -l <"$WORK/nodata.err")" -eq 1 ] &&
        grep -qF "neither in / nor in $INSTALLED;" "$WORK/nodata.err" ||
        fail "$2, the game started from / exited with $rc and printed: $(cat "$WORK/nodata.out" "$WORK/nodata.err")"
}
if dpkg-query -W -f='${Status}' varnhold 2>/dev/null | grep -q "install ok installed"; then
    echo "SKIPPED: varnhold is installed on this machine already; it is left as it is"
    exit $FAILED
fi
[ -e "$INSTALLED" ] || no_data_line "$ROOT/usr/games/varnhold" "before the install"
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED: not root, so the package was built and checked but not installed"
    [ $FAILED -eq 0 ] && echo "package checks passed"
    exit $FAILED
fi

# --- installed with dpkg, started from / up to the main menu, removed without a trace
dpkg -i "$DEB" >"$WORK/dpkg.log" 2>&1 || { cat "$WORK/dpkg.log"; fail "dpkg -i failed"; }
start_xvfb 1280x1024x24 || exit 1
start_game /usr/games/varnhold
wait_for_line "setting Fonts END "
sleep 2
if kill -0 "$GPID" 2>/dev/null; then
    import -window root "$SHOTS/installed_main_menu.png"
    logos_shown "$SHOTS/installed_main_menu.png" "$INSTALLED" || fail "the installed game's main menu lacks a logo"
    kill "$GPID"; wait "$GPID" 2>/dev/null
else
    fail "the installed game did not reach its main menu: $(tail -5 "$OUT")"
fi
GPID=""
[ -s "$ERR" ] && fail "the installed game wrote to standard error: $(cat "$ERR")"
grep -q "Impossible\|ERROR" "$OUT" && fail "the installed game could not read its data"

dpkg -r varnhold >"$WORK/dpkg.log" 2>&1 || { cat "$WORK/dpkg.log"; fail "dpkg -r failed"; }
LEFT=$(dpkg-deb -c "$DEB" | awk '$1 !~ /^d/ {print substr($6, 2)}' | while read -r f; do
    [ -e "$f" ] && echo "$f"; done)
for d in "$INSTALLED" /usr/share/doc/varnhold; do [ -e "$d" ] && LEFT+=" $d"; done
[ -z "$LEFT" ] || fail "dpkg -r left behind: $LEFT"
no_data_line "$BUILD/varnhold" "after the removal"

[ $FAILED -eq 0 ] && echo "package checks passed"
exit $FAILED
