#!/usr/bin/env python3
"""Writes the extraction benchmark's corpus: at least 500 MB in at least 10,000
files of three kinds - text, binaries (slices of the system's own programs and
libraries) and already-compressed data - in nested folders. Deterministic for a
given seed. Usage: make_zip_corpus.py FOLDER [TOTAL_MB] [FILES]"""
import gzip
import os
import random
import sys

WORDS = ("backup restore archive folder index element destination volume data file "
         "the of and to in is that for it as with was on be by at this from or which "
         "disc burn version time stamp option progress failure item name path").split()


def text_pool(rng, size):
    out, length = [], 0
    while length < size:
        line = " ".join(rng.choice(WORDS) for _ in range(rng.randint(4, 16)))
        line = line.capitalize() + ("." if rng.random() < 0.7 else ",") + "\n"
        out.append(line)
        length += len(line)
    return "".join(out).encode()


def binary_pool(size):
    data = bytearray()
    for folder in ("/usr/lib/x86_64-linux-gnu", "/usr/bin", "/usr/lib"):
        for root, _, names in os.walk(folder):
            for name in sorted(names):
                path = os.path.join(root, name)
                if os.path.islink(path) or not os.path.isfile(path):
                    continue
                try:
                    with open(path, "rb") as f:
                        data += f.read(4 << 20)
                except OSError:
                    continue
                if len(data) >= size:
                    return bytes(data[:size])
    return bytes(data)


def compressed_pool(rng, text, size):
    # gzip of shuffled text, and random bytes: neither compresses further.
    out = bytearray()
    while len(out) < size // 2:
        start = rng.randrange(0, len(text) - (1 << 20))
        out += gzip.compress(text[start:start + (1 << 20)], compresslevel=6)
    out += rng.randbytes(size - len(out))
    return bytes(out)


def file_size(rng):
    # Mostly small files, some medium, a few large ones that carry much of the volume.
    r = rng.random()
    if r < 0.80:
        return rng.randint(200, 24 << 10)
    if r < 0.985:
        return rng.randint(24 << 10, 512 << 10)
    return rng.randint(4 << 20, 24 << 20)


def main():
    folder = sys.argv[1]
    total = int(sys.argv[2]) << 20 if len(sys.argv) > 2 else 560 << 20
    files = int(sys.argv[3]) if len(sys.argv) > 3 else 12000
    rng = random.Random(20240615)
    text = text_pool(rng, 16 << 20)
    binary = binary_pool(96 << 20)
    packed = compressed_pool(rng, text, 48 << 20)
    pools = [(text, ".txt"), (binary, ".bin"), (packed, ".dat")]

    sizes = [file_size(rng) for _ in range(files)]
    scale = total / sum(sizes)
    written = 0
    for i, size in enumerate(sizes):
        size = max(1, int(size * scale))
        kind = rng.choices(range(3), weights=(45, 35, 20))[0]
        pool, suffix = pools[kind]
        size = min(size, len(pool))
        start = rng.randrange(0, len(pool) - size + 1)
        sub = os.path.join(folder, "d%02d" % (i % 40), "e%02d" % (i // 40 % 8))
        os.makedirs(sub, exist_ok=True)
        with open(os.path.join(sub, "f%05d%s" % (i, suffix)), "wb") as f:
            f.write(pool[start:start + size])
        written += size
    print("corpus: %d files, %.1f MB" % (files, written / 1e6))


if __name__ == "__main__":
    main()
