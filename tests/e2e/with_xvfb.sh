#!/bin/bash
# Runs one command on a private Xvfb display and returns its exit code.
source "$(dirname "$0")/xvfb_lib.sh"
trap stop_xvfb EXIT
start_xvfb || exit 1
"$@"
