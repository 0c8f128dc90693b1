#!/usr/bin/env python3
"""Writes seed inputs for codecs_fuzzer: the items of the shared ZIP corpus and
a few made here, each behind the fuzzer's 4-byte header.
Usage: codecs_seeds.py OUTPUT_DIR [ZIP_CORPUS_DIR]"""
import os
import struct
import sys
import zlib

METHOD_INDEX = {0: 0, 1: 1, 2: 2, 3: 3, 4: 4, 5: 5, 6: 6, 8: 7, 9: 8}


def header(method, flags, size):
    first = METHOD_INDEX[method] | ((flags & 0x06) << 3)
    return bytes([first, size & 0xFF, (size >> 8) & 0xFF, (size >> 16) & 0x0F])


def local_items(path):
    data = open(path, 'rb').read()
    at = 0
    while data[at:at + 4] == b'PK\x03\x04':
        _, flags, method, _, _, _, packed, size, name_len, extra_len = struct.unpack('<HHHHHIIIHH', data[at + 4:at + 30])
        start = at + 30 + name_len + extra_len
        yield method, flags, size, data[start:start + packed]
        at = start + packed


def main():
    out = sys.argv[1]
    corpus = sys.argv[2] if len(sys.argv) > 2 else os.path.join(os.path.dirname(__file__), '..', '..', 'shared', 'zip-corpus')
    os.makedirs(out, exist_ok=True)
    seeds = []
    for name in sorted(os.listdir(corpus)):
        if name.lower().endswith('.zip'):
            for method, flags, size, packed in local_items(os.path.join(corpus, name)):
                if method in METHOD_INDEX and size < (1 << 20):
                    seeds.append(header(method, flags, size) + packed)
    text = b''.join(b'%d backup restore the archive folder\n' % i for i in range(400))
    for level, strategy in ((0, zlib.Z_DEFAULT_STRATEGY), (6, zlib.Z_FIXED), (9, zlib.Z_DEFAULT_STRATEGY)):
        packer = zlib.compressobj(level, zlib.DEFLATED, -15, 8, strategy)
        seeds.append(header(8, 0, len(text)) + packer.compress(text) + packer.flush())
    seeds.append(header(0, 0, 64) + text[:64])
    # Reduce, factor 1: no follower sets (256 x 6 zero bits), then plain bytes "abc", 144 3 2 -> "abcabcabc".
    seeds.append(header(2, 0, 9) + bytes(192) + b'abc\x90\x03\x02')
    for i, seed in enumerate(seeds):
        with open(os.path.join(out, 'seed%02d' % i), 'wb') as f:
            f.write(seed)
    print('%d seeds in %s' % (len(seeds), out))


if __name__ == '__main__':
    main()
