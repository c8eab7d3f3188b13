#!/usr/bin/env python3
"""Copies a UTF-8 text file in another encoding, byte for byte otherwise.

Usage: recode_text.py INPUT OUTPUT ENCODING
Fails, writing nothing, when a character has no form in ENCODING.
"""
import sys


def main(argv):
    if len(argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    with open(argv[1], encoding="utf-8", newline="") as source:
        text = source.read()
    try:
        data = text.encode(argv[3])
    except UnicodeEncodeError as error:
        print(f"{argv[1]}: {error}", file=sys.stderr)
        return 1
    with open(argv[2], "wb") as out:
        out.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
