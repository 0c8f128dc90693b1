#!/usr/bin/env python3
"""Writes a binary backup index file ("LXBI", format version 100).

usage: write_index.py FILE NAME [--folder-copy] [--stamp yyyy-mm-dd_hh-nn [--stamp-method 0|1]]

NAME is the backup's name, which names its data beside the index: NAME.zip, or
NAME/ with --folder-copy; with --stamp the data carries that time stamp
(method 0: "NAME STAMP.zip"; method 1: "STAMP/NAME.zip").
"""
import argparse
import datetime
import struct


def text(value):
    data = value.encode("latin-1")
    return struct.pack("<i", len(data)) + data


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("file")
    parser.add_argument("name")
    parser.add_argument("--folder-copy", action="store_true")
    parser.add_argument("--stamp")
    parser.add_argument("--stamp-method", type=int, default=0)
    args = parser.parse_args()
    last_update = -1.0
    if args.stamp:
        moment = datetime.datetime.strptime(args.stamp, "%Y-%m-%d_%H-%M")
        last_update = (moment - datetime.datetime(1899, 12, 30)).total_seconds() / 86400.0
    record = b"LXBI" + struct.pack("<i", 100) + text(args.name) + struct.pack("<d", last_update)
    record += struct.pack("<i", 0)  # no element records: the data's own entries are listed
    record += text("*.*") + text("") + b"\0" + text("") + text("")
    record += struct.pack("<i", -1)                               # writing speed
    record += b"\0" if args.folder_copy else b"\1"                # use compression
    record += struct.pack("<i", 6)                                # compression level
    record += b"\1" if args.stamp else b"\0"                      # use time stamps
    record += struct.pack("<i", args.stamp_method)
    with open(args.file, "wb") as f:
        f.write(record)


if __name__ == "__main__":
    main()
