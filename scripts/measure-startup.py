#!/usr/bin/env python3
"""Start-up of the program on an X display, seen from outside: the time from
starting it until its first pixels reach the screen, and its resident memory
a second later. The display's root must be black (Xvfb -br) and show nothing
else. Prints one line a run and the medians.

    scripts/measure-startup.py --display :98 --runs 7 build/app/velzar
"""
import argparse
import ctypes
import os
import statistics
import subprocess
import sys
import time

ZPIXMAP = 2
ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int)]


def open_screen(display):
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XGetImage.restype = ctypes.POINTER(XImage)
    x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                            ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x.XDisplayWidth.argtypes = x.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x.XFree.argtypes = [ctypes.c_void_p]
    dpy = x.XOpenDisplay(display.encode())
    if not dpy:
        sys.exit(f"cannot open display {display}")
    return x, dpy, x.XDefaultRootWindow(dpy), x.XDisplayWidth(dpy, 0), x.XDisplayHeight(dpy, 0)


def screen_is_black(x, dpy, root, width, height):
    image = x.XGetImage(dpy, root, 0, 0, width, height, ALL_PLANES, ZPIXMAP)
    size = image.contents.bytes_per_line * image.contents.height
    pixels = ctypes.string_at(image.contents.data, size)
    x.XFree(image.contents.data)
    x.XFree(image)
    return pixels.count(0) == size


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def one_run(program, display, screen):
    env = dict(os.environ, DISPLAY=display)
    started = time.monotonic()
    child = subprocess.Popen(program, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while screen_is_black(*screen):
            if child.poll() is not None or time.monotonic() - started > 20:
                sys.exit("the program ended or showed nothing")
        painted = time.monotonic() - started
        time.sleep(1)
        return painted * 1000, resident_kib(child.pid) / 1024
    finally:
        child.kill()
        child.wait()
        while not screen_is_black(*screen):
            time.sleep(0.05)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--display", default=":98")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("program", nargs="+")
    args = parser.parse_args()
    screen = open_screen(args.display)
    paints, memory = [], []
    for run in range(args.runs):
        paint_ms, rss_mib = one_run(args.program, args.display, screen)
        print(f"run {run + 1}: first paint {paint_ms:.0f} ms, resident {rss_mib:.1f} MiB")
        paints.append(paint_ms)
        memory.append(rss_mib)
    print(f"median: first paint {statistics.median(paints):.0f} ms, resident {statistics.median(memory):.1f} MiB")


if __name__ == "__main__":
    main()
