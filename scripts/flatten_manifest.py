#!/usr/bin/env python3
"""Writes the embedded form of the launcher manifest from its readable source.

The embedded form is: UTF-8 byte-order mark, the XML declaration, CR LF, and
the whole assembly element on one line with no line break after it.

Usage: flatten_manifest.py SOURCE OUTPUT [--arch X86|amd64]
The architecture switch exists only for the x86-64 test build, whose process
Wine will not match with an X86 identity.
"""
import re
import sys


def flatten(text: str, arch: str) -> bytes:
    text = re.sub(r"<!--.*?-->", "", text, flags=re.S)
    declaration, body = text.split("?>", 1)
    body = re.sub(r">\s+<", "><", body.strip())
    if arch != "X86":
        body = body.replace('processorArchitecture="X86"',
                            f'processorArchitecture="{arch}"')
    return b"\xef\xbb\xbf" + (declaration.strip() + "?>\r\n" + body).encode("utf-8")


def main(argv: list[str]) -> int:
    if len(argv) not in (3, 5):
        print(__doc__, file=sys.stderr)
        return 2
    arch = argv[4] if len(argv) == 5 else "X86"
    with open(argv[1], encoding="utf-8") as source:
        data = flatten(source.read(), arch)
    with open(argv[2], "wb") as output:
        output.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
