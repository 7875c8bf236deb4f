#!/usr/bin/env python3
# Input to screen: the time from a key press (Page Up or Page Down, through XTest) to the first
# change of the sensitivity figure in the game's status line on the X screen, read straight
# from the server with XGetImage as fast as it answers. Run inside the X session of a game in
# play, full screen on a 1920x1080 screen.
#   bench/input_latency.py [PRESSES]
import ctypes
import statistics
import sys
import time

x11 = ctypes.CDLL('libX11.so.6')
xtst = ctypes.CDLL('libXtst.so.6')
libc = ctypes.CDLL('libc.so.6')
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + [ctypes.c_uint] * 2 + \
    [ctypes.c_ulong, ctypes.c_int]
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XFlush.argtypes = [ctypes.c_void_p]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]


class XImage(ctypes.Structure):
    _fields_ = [('width', ctypes.c_int), ('height', ctypes.c_int), ('xoffset', ctypes.c_int),
                ('format', ctypes.c_int), ('data', ctypes.c_void_p), ('byte_order', ctypes.c_int),
                ('bitmap_unit', ctypes.c_int), ('bitmap_bit_order', ctypes.c_int), ('bitmap_pad', ctypes.c_int),
                ('depth', ctypes.c_int), ('bytes_per_line', ctypes.c_int)]


display = x11.XOpenDisplay(None)
root = x11.XDefaultRootWindow(display)
# The status line's middle, from after the piece's place to before the tick count, scaled 2.25x
# at x 240 on a 1920x1080 screen: 30 cells of 8 picture pixels from picture x 48.
LEFT, TOP, WIDTH, HEIGHT = 240 + int(48 * 2.25), 0, int(240 * 2.25), 36


def status_pixels():
    image = x11.XGetImage(display, root, LEFT, TOP, WIDTH, HEIGHT, 0xFFFFFFFF, 2)
    picture = XImage.from_address(image)
    pixels = ctypes.string_at(picture.data, picture.bytes_per_line * picture.height)
    libc.free(ctypes.c_void_p(picture.data))
    libc.free(ctypes.c_void_p(image))
    return pixels


def press(keysym):
    code = x11.XKeysymToKeycode(display, keysym)
    xtst.XTestFakeKeyEvent(display, code, 1, 0)
    xtst.XTestFakeKeyEvent(display, code, 0, 0)
    x11.XFlush(display)


presses = int(sys.argv[1]) if len(sys.argv) > 1 else 40
latencies = []
for n in range(presses):
    time.sleep(0.3)
    before = status_pixels()
    start = time.perf_counter()
    press(0xFF55 if n % 2 == 0 else 0xFF56)  # Page Up, Page Down: the figure goes up and back
    while status_pixels() == before and time.perf_counter() - start < 0.5:
        pass
    latencies.append((time.perf_counter() - start) * 1000)
latencies.sort()
print('input to screen over %d presses: median %.1f ms, 90th percentile %.1f ms, most %.1f ms' %
      (presses, statistics.median(latencies), latencies[int(presses * 0.9) - 1], latencies[-1]))
