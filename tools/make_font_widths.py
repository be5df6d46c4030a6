#!/usr/bin/env python3
"""Prints the advance widths of Liberation Sans (metric-compatible with Arial), regular and bold,
for the 256 Windows-1252 characters, in 1/2048 em: the tables of core/text_width.cpp.

Usage: python3 tools/make_font_widths.py [FONTDIR]   (default /usr/share/fonts/truetype/liberation2)
"""
import struct
import sys


def advance_widths(path):
    data = open(path, 'rb').read()
    count = struct.unpack('>H', data[4:6])[0]
    tables = {}
    for i in range(count):
        tag, _, offset, length = struct.unpack('>4sIII', data[12 + 16 * i:28 + 16 * i])
        tables[tag.decode()] = offset
    metrics = struct.unpack('>H', data[tables['hhea'] + 34:tables['hhea'] + 36])[0]
    advances = [struct.unpack('>H', data[tables['hmtx'] + 4 * i:tables['hmtx'] + 4 * i + 2])[0]
                for i in range(metrics)]
    cmap = tables['cmap']
    glyphs = {}
    for i in range(struct.unpack('>H', data[cmap + 2:cmap + 4])[0]):
        platform, encoding, offset = struct.unpack('>HHI', data[cmap + 4 + 8 * i:cmap + 12 + 8 * i])
        if (platform, encoding) != (3, 1):
            continue
        o = cmap + offset
        assert struct.unpack('>H', data[o:o + 2])[0] == 4, 'Unicode BMP map of format 4 expected'
        segments = struct.unpack('>H', data[o + 6:o + 8])[0] // 2
        field = lambda n, kind='H': struct.unpack('>%d%s' % (segments, kind),
                                                   data[o + 14 + n * 2 * segments + (2 if n else 0):
                                                        o + 14 + (n + 1) * 2 * segments + (2 if n else 0)])
        ends, starts, deltas, ranges = field(0), field(1), field(2, 'h'), field(3)
        ranges_at = o + 16 + 6 * segments
        for s in range(segments):
            for c in range(starts[s], ends[s] + 1):
                if ranges[s] == 0:
                    glyphs[c] = (c + deltas[s]) & 0xFFFF
                else:
                    at = ranges_at + 2 * s + ranges[s] + 2 * (c - starts[s])
                    g = struct.unpack('>H', data[at:at + 2])[0]
                    glyphs[c] = (g + deltas[s]) & 0xFFFF if g else 0
    return lambda c: advances[min(glyphs.get(c, 0), metrics - 1)]


folder = sys.argv[1] if len(sys.argv) > 1 else '/usr/share/fonts/truetype/liberation2'
characters = [bytes([b]).decode('cp1252', errors='replace') for b in range(256)]
for style in ('Regular', 'Bold'):
    width = advance_widths('%s/LiberationSans-%s.ttf' % (folder, style))
    values = [width(ord(characters[b])) if b >= 32 else 0 for b in range(256)]
    print('// %s' % style)
    for row in range(0, 256, 16):
        print('    ' + ', '.join('%4d' % v for v in values[row:row + 16]) + ',')
