#!/bin/bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Start-up benchmark: time from process start to the first chart on screen,
# and peak memory, of velmora against a bare Qt main window with a menu
# (bench/BareWindow.cpp), both started the same way on one private Xvfb
# display in the same run.
#
#   bench/startup.sh BUILD_DIR [RUNS]
#
# BUILD_DIR holds app/velmora and bench/bare_window (build them with
# --target velmora bare_window and -DVELMORA_BENCH=ON). RUNS (default 10)
# runs of each program are made, alternating, after one unmeasured warm-up
# run of each.
#
# Each run is timed from outside, by a small poller that reads the window's
# pixels from the X server (python3 with libX11 through ctypes, so one
# capture costs well under a millisecond instead of a process start):
#   velmora:     from the launch until the pillar table Image1 shows pale
#                yellow and black tokens (the start-up chart is drawn);
#   bare window: from the launch until its menu bar text is drawn (the
#                window is mapped and painted).
# Peak memory is VmHWM from /proc/<pid>/status, read half a second after
# that moment, just before the program is asked to close with SIGTERM.
# The programs run with HOME and XDG_CONFIG_HOME in a temporary folder, so
# the user's own settings are never read or written.
#
# Targets: velmora at most 1.2 times the bare window's time and at most 1.3
# times its peak memory (medians).
#
# Needs Xvfb, python3 and libX11 (libx11-6).

set -eu

usage() {
    echo "usage: $0 BUILD_DIR [RUNS]" >&2
    exit 2
}

if [ $# -lt 1 ] || [ $# -gt 2 ]; then usage; fi
BUILD=$(cd "$1" && pwd)
RUNS=${2:-10}
case $RUNS in '' | *[!0-9]* | 0) usage ;; esac
VELMORA=$BUILD/app/velmora
BARE=$BUILD/bench/bare_window
for prog in "$VELMORA" "$BARE"; do
    [ -x "$prog" ] || { echo "startup.sh: $prog missing; build the targets velmora and bare_window" >&2; exit 1; }
done
for tool in Xvfb python3; do
    command -v "$tool" >/dev/null || { echo "startup.sh: $tool not found" >&2; exit 1; }
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/velmora-startup.XXXXXX")
XVFB_PID=""
cleanup() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The poller: launches one program, waits for the wanted pixels, reads the
# peak memory, closes the program and prints
# "<milliseconds to the wanted frame> <VmHWM in KiB> <mean poll period in ms>".
cat >"$WORK/poll.py" <<'PYTHON'
import ctypes as C
import os
import subprocess
import sys
import time

POLL_S = 0.002            # pause between two captures
SETTLE_S = 0.5            # wait after the wanted frame before reading VmHWM
TIMEOUT_S = 30.0
CLIENT_W, CLIENT_H = 473, 369         # the client area of both windows
IMAGE1 = (10, 54, 230, 81)            # pillar table in the client area
PALE_YELLOW = b"\xb9\xff\xff"         # RGB(255,255,185) as B, G, R bytes
DARK = bytes(0 if v < 64 else 1 for v in range(256))   # near black per channel

mode, program = sys.argv[1], sys.argv[2]


class XWindowAttributes(C.Structure):
    _fields_ = [("x", C.c_int), ("y", C.c_int), ("width", C.c_int), ("height", C.c_int),
                ("border_width", C.c_int), ("depth", C.c_int), ("visual", C.c_void_p),
                ("root", C.c_ulong), ("class_", C.c_int), ("bit_gravity", C.c_int),
                ("win_gravity", C.c_int), ("backing_store", C.c_int),
                ("backing_planes", C.c_ulong), ("backing_pixel", C.c_ulong),
                ("save_under", C.c_int), ("colormap", C.c_ulong), ("map_installed", C.c_int),
                ("map_state", C.c_int), ("all_event_masks", C.c_long),
                ("your_event_mask", C.c_long), ("do_not_propagate_mask", C.c_long),
                ("override_redirect", C.c_int), ("screen", C.c_void_p)]


class XImage(C.Structure):
    _fields_ = [("width", C.c_int), ("height", C.c_int), ("xoffset", C.c_int),
                ("format", C.c_int), ("data", C.c_void_p), ("byte_order", C.c_int),
                ("bitmap_unit", C.c_int), ("bitmap_bit_order", C.c_int),
                ("bitmap_pad", C.c_int), ("depth", C.c_int), ("bytes_per_line", C.c_int),
                ("bits_per_pixel", C.c_int)]


X = C.CDLL("libX11.so.6")
X.XOpenDisplay.restype = C.c_void_p
X.XOpenDisplay.argtypes = [C.c_char_p]
X.XDefaultRootWindow.restype = C.c_ulong
X.XDefaultRootWindow.argtypes = [C.c_void_p]
X.XInternAtom.restype = C.c_ulong
X.XInternAtom.argtypes = [C.c_void_p, C.c_char_p, C.c_int]
X.XQueryTree.argtypes = [C.c_void_p, C.c_ulong, C.POINTER(C.c_ulong), C.POINTER(C.c_ulong),
                         C.POINTER(C.POINTER(C.c_ulong)), C.POINTER(C.c_uint)]
X.XGetWindowProperty.argtypes = [C.c_void_p, C.c_ulong, C.c_ulong, C.c_long, C.c_long, C.c_int,
                                 C.c_ulong, C.POINTER(C.c_ulong), C.POINTER(C.c_int),
                                 C.POINTER(C.c_ulong), C.POINTER(C.c_ulong),
                                 C.POINTER(C.c_void_p)]
X.XGetWindowAttributes.argtypes = [C.c_void_p, C.c_ulong, C.POINTER(XWindowAttributes)]
X.XGetImage.restype = C.POINTER(XImage)
X.XGetImage.argtypes = [C.c_void_p, C.c_ulong, C.c_int, C.c_int, C.c_uint, C.c_uint,
                        C.c_ulong, C.c_int]
X.XDestroyImage.argtypes = [C.POINTER(XImage)]
X.XFree.argtypes = [C.c_void_p]
# A window that goes away between two requests is not an error here.
IGNORE_ERRORS = C.CFUNCTYPE(C.c_int, C.c_void_p, C.c_void_p)(lambda display, event: 0)
X.XSetErrorHandler(IGNORE_ERRORS)

dpy = X.XOpenDisplay(None)
if not dpy:
    sys.exit("poll.py: cannot open the display")
ROOT = X.XDefaultRootWindow(dpy)
NET_WM_PID = X.XInternAtom(dpy, b"_NET_WM_PID", 0)


def window_pid(window):
    kind, fmt, count, rest, data = C.c_ulong(), C.c_int(), C.c_ulong(), C.c_ulong(), C.c_void_p()
    if X.XGetWindowProperty(dpy, window, NET_WM_PID, 0, 1, 0, 6, C.byref(kind), C.byref(fmt),
                            C.byref(count), C.byref(rest), C.byref(data)) != 0 or not data.value:
        return None
    pid = C.cast(data, C.POINTER(C.c_ulong))[0] if count.value == 1 else None
    X.XFree(data)
    return pid


def shown_window(pid):
    """The process's viewable top-level window and its size, or None."""
    root, parent, children, count = C.c_ulong(), C.c_ulong(), C.POINTER(C.c_ulong)(), C.c_uint()
    if not X.XQueryTree(dpy, ROOT, C.byref(root), C.byref(parent), C.byref(children), C.byref(count)):
        return None
    found = None
    attributes = XWindowAttributes()
    for i in range(count.value):
        window = children[i]
        if window_pid(window) == pid and X.XGetWindowAttributes(dpy, window, C.byref(attributes)) \
                and attributes.map_state == 2 and attributes.width >= CLIENT_W:
            found = (window, attributes.width, attributes.height)
    if children:
        X.XFree(children)
    return found


def capture(window, x, y, w, h):
    image = X.XGetImage(dpy, window, x, y, w, h, ~0 & 0xFFFFFFFFFFFFFFFF, 2)
    if not image:
        return None
    img = image.contents
    if img.bits_per_pixel != 32 or img.byte_order != 0:
        sys.exit("poll.py: needs a 24-bit TrueColor display")
    rows = C.string_at(img.data, img.bytes_per_line * h)
    X.XDestroyImage(image)
    return b"".join(rows[r * img.bytes_per_line:r * img.bytes_per_line + 4 * w] for r in range(h))


def has_dark(pixels):
    marks = pixels.translate(DARK)
    blue, green, red = (int.from_bytes(marks[i::4], "little") for i in range(3))
    return b"\x00" in (blue | green | red).to_bytes(len(pixels) // 4, "little")


def has_yellow(pixels):
    at = pixels.find(PALE_YELLOW)
    while at >= 0 and at % 4:
        at = pixels.find(PALE_YELLOW, at + 1)
    return at >= 0


def wanted_frame(shown):
    window, width, height = shown
    menu = height - CLIENT_H
    if width != CLIENT_W or menu <= 0:
        return False
    if mode == "menu":
        pixels = capture(window, 0, 0, width, menu)
        return pixels is not None and has_dark(pixels)
    x, y, w, h = IMAGE1
    pixels = capture(window, x, menu + y, w, h)
    return pixels is not None and has_yellow(pixels) and has_dark(pixels)


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return -1


def measure(process, start):
    polls = 0
    while time.perf_counter() - start < TIMEOUT_S:
        if process.poll() is not None:
            sys.exit(f"poll.py: {program} ended with {process.returncode} before its first frame")
        now = time.perf_counter()
        shown = shown_window(process.pid)
        polls += 1
        if shown and wanted_frame(shown):
            return now - start, (now - start) / polls
        time.sleep(POLL_S)
    sys.exit(f"poll.py: no wanted frame from {program} within {TIMEOUT_S} s")


def main():
    start = time.perf_counter()
    process = subprocess.Popen([program], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=open("stderr.log", "a"))
    try:
        elapsed, period = measure(process, start)
        time.sleep(SETTLE_S)
        peak = peak_kib(process.pid)
    finally:
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    print(f"{elapsed * 1000:.1f} {peak} {period * 1000:.2f}")


main()
PYTHON

# One private display; -noreset keeps the server from resetting between
# the programs, -wr gives a white root, so an unpainted window is never dark.
exec 3>"$WORK/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset -wr >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$WORK/display" ] && break
    sleep 0.1
done
[ -s "$WORK/display" ] || { echo "startup.sh: Xvfb did not start" >&2; cat "$WORK/xvfb.log" >&2; exit 1; }
DISPLAY_NUM=:$(cat "$WORK/display")

mkdir -p "$WORK/home/.config" "$WORK/runtime" "$WORK/cwd"
chmod 700 "$WORK/runtime"

# Runs one program once from the private folder, with the same small
# environment for both programs; prints the poller's line.
run_once() {
    (cd "$WORK/cwd" && env -i PATH=/usr/bin:/bin HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" \
        XDG_RUNTIME_DIR="$WORK/runtime" DISPLAY="$DISPLAY_NUM" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 \
        python3 "$WORK/poll.py" "$1" "$2") || { cat "$WORK/cwd/stderr.log" >&2; exit 1; }
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "machine: $(nproc) cores, $(lscpu 2>/dev/null | sed -n 's/^Model name: *//p' | head -n 1)"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "display $DISPLAY_NUM, $RUNS runs of each program, alternating, after one warm-up run each"

# The warm-up runs fill the page cache and the font cache and leave the
# settings of a previous run, as on a user's machine after the first start.
run_once menu "$BARE" >/dev/null
run_once chart "$VELMORA" >/dev/null

: >"$WORK/bare" && : >"$WORK/velmora"
for i in $(seq "$RUNS"); do
    if [ $((i % 2)) -eq 1 ]; then order="bare velmora"; else order="velmora bare"; fi
    for which in $order; do
        if [ "$which" = bare ]; then line=$(run_once menu "$BARE"); else line=$(run_once chart "$VELMORA"); fi
        echo "$line" >>"$WORK/$which"
        read -r ms kib period <<<"$line"
        printf 'run %2d %-8s %8s ms %8s KiB (poll period %s ms)\n' "$i" "$which" "$ms" "$kib" "$period"
    done
done

echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"
BARE_MS=$(cut -d' ' -f1 "$WORK/bare" | median)
VEL_MS=$(cut -d' ' -f1 "$WORK/velmora" | median)
BARE_KB=$(cut -d' ' -f2 "$WORK/bare" | median)
VEL_KB=$(cut -d' ' -f2 "$WORK/velmora" | median)
PERIOD=$(cut -d' ' -f3 "$WORK/bare" "$WORK/velmora" | median)
echo "resolution: one capture every ${PERIOD} ms (median poll period); a frame is seen at most that late"
awk -v bt="$BARE_MS" -v vt="$VEL_MS" -v bk="$BARE_KB" -v vk="$VEL_KB" 'BEGIN {
    printf "median time to first frame: bare %.1f ms, velmora %.1f ms, ratio %.2f (target <= 1.20: %s)\n",
           bt, vt, vt / bt, (vt / bt <= 1.2) ? "met" : "MISSED"
    printf "median peak memory (VmHWM): bare %.1f MiB, velmora %.1f MiB, ratio %.2f (target <= 1.30: %s)\n",
           bk / 1024, vk / 1024, vk / bk, (vk / bk <= 1.3) ? "met" : "MISSED"
}'
