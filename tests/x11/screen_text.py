#!/usr/bin/env python3
# Reads text off a screenshot by the GNU Unifont glyphs it is drawn in, read straight from
# the font file (not from the game's own table).
#   screen_text.py status SHOT SCALE LEFT TOP  prints 'row ticks' from the game's status line
#                         (white text at the top of the picture, shown SCALE times larger at LEFT, TOP)
#   screen_text.py find SHOT TEXT         succeeds when TEXT is drawn in black, pixel for pixel
import re
import subprocess
import sys

UNIFONT = '/usr/share/unifont/unifont.hex'


def glyphs(text):
    wanted, found = {'%04X' % ord(char): char for char in text}, {}
    with open(UNIFONT) as font:
        for line in font:
            code, bits = line.strip().split(':')
            if code in wanted:
                width = len(bits) // 4
                rows = [int(bits[r * width // 4:(r + 1) * width // 4], 16) for r in range(16)]
                found[wanted[code]] = [[(row >> (width - 1 - c)) & 1 for c in range(width)] for row in rows]
    return found


def load(path):
    data = subprocess.run(['convert', path, 'ppm:-'], check=True, capture_output=True).stdout
    header = re.match(rb'P6\s+(\d+)\s+(\d+)\s+\d+\s', data)
    return int(header[1]), int(header[2]), data[header.end():]


def drawn(image, place, pattern, ink):
    # Whether the pattern's pixels are ink and no others, at (x, y, scale) in the image.
    width, height, pixels = image
    x, y, scale = place
    for r, row in enumerate(pattern):
        for c, bit in enumerate(row):
            px, py = int(x + (c + 0.5) * scale), int(y + (r + 0.5) * scale)
            if px >= width or py >= height:
                return False
            at = (py * width + px) * 3
            if (pixels[at:at + 3] == ink) != bool(bit):
                return False
    return True


def text_pattern(text):
    pictures, rows = glyphs(text), [[] for _ in range(16)]
    for char in text:
        for r, row in enumerate(pictures[char]):
            rows[r] += row
    return rows


def find(image, text):
    pattern = text_pattern(text)
    first = min((r, c) for r, row in enumerate(pattern) for c, bit in enumerate(row) if bit)
    width, height, pixels = image
    black = next(i // 3 for i in range(0, len(pixels), 3) if pixels[i:i + 3] == b'\0\0\0')
    x, y = black % width - first[1], black // width - first[0]
    return drawn(image, (x, y, 1), pattern, b'\0\0\0')


def status(image, scale, left, top):
    white, digits = b'\xff\xff\xff', '0123456789'
    cells = glyphs(digits + '(),')

    def read(x):
        return next((char for char, pattern in cells.items() if drawn(image, (left + x * scale, top, scale), pattern, white)), '')

    position, x = '', 0
    while read(x) and position[-1:] != ')':
        position, x = position + read(x), x + 8
    x = next(x for x in range(632, 0, -8) if read(x) == ')')
    ticks = ''
    while read(x - 8) in digits and read(x - 8):
        ticks, x = read(x - 8) + ticks, x - 8
    return int(position.strip('()').split(',')[1]), int(ticks)


if __name__ == '__main__':
    if sys.argv[1] == 'find':
        sys.exit(0 if find(load(sys.argv[2]), sys.argv[3]) else 1)
    row, ticks = status(load(sys.argv[2]), *map(float, sys.argv[3:6]))
    print(row, ticks)
