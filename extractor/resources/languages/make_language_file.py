#!/usr/bin/env python3
"""Writes a language file in the Windows code page the program reads, from its
UTF-8 source beside it: Deutsch.lng.txt -> Deutsch.lng (CR LF line ends)."""
import sys
from pathlib import Path

source = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).with_name("Deutsch.lng.txt"))
target = Path(sys.argv[2]) if len(sys.argv) > 2 else source.with_suffix("")
text = source.read_text(encoding="utf-8")
target.write_bytes(text.replace("\n", "\r\n").encode("cp1252"))
