#!/usr/bin/env bash
# Runs a command on the X server of $DISPLAY with a window manager, as a desktop has one: window
# frames, placement and focus as a store's desktop gives them. Started by xvfb-run.
set -euo pipefail
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill "$manager" 2>/dev/null || true' EXIT
# The manager has taken the screen when it has set its check window on the root.
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
"$@"
