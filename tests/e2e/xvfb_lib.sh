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
