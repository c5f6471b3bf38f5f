# Shared by the display tests: start Xvfb on a free display with Mesa's software OpenGL, and stop
# every process this script started, by its process id.
XVFB_PID=""
start_xvfb() {
    local screen="${1:-1280x1024x24}"
    for n in $(seq 90 140); do
        if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
            Xvfb ":${n}" -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
            XVFB_PID=$!
            for _ in $(seq 1 100); do
                if xdpyinfo -display ":${n}" >/dev/null 2>&1; then
                    export DISPLAY=":${n}"
                    export LIBGL_ALWAYS_SOFTWARE=1
                    return 0
                fi
                if ! kill -0 "$XVFB_PID" 2>/dev/null; then break; fi
                sleep 0.1
            done
            kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=""
        fi
    done
    echo "could not start Xvfb" >&2
    return 1
}
stop_xvfb() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    fi
}
# Checks that a 1280 x 1024 screenshot SHOT shows the menus' two logos of the data folder DATA,
# each filling its lower quarter (the quarter matches its image scaled to it); prints the match
# and returns 1 when a logo is not there.
logos_shown() {
    local shot="$1" data="$2" tmp rmse ok=0
    tmp=$(mktemp -d)
    for l in "logo.bmp 640x512+0+512 title" "Orvek.bmp 640x512+640+512 emblem"; do
        set -- $l
        convert "$data/obj/graf_obj/logo/$1" -resize '640x512!' "$tmp/expected.png"
        convert "$shot" -crop "$2" +repage "$tmp/crop.png"
        rmse=$(compare -metric RMSE "$tmp/crop.png" "$tmp/expected.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
        echo "logo match (RMSE, 0 = identical): $3 $rmse"
        awk -v v="$rmse" 'BEGIN {exit !(v < 0.08)}' || { echo "the $3 logo is not in its lower quarter"; ok=1; }
    done
    rm -rf "$tmp"
    return $ok
}
