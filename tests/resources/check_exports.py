#!/usr/bin/env python3
"""Checks that a COM component exports its entry points by their plain names
(COM looks them up undecorated; 32-bit mingw decorates them unless told not
to) and that it needs no runtime library beside it.

Usage: check_exports.py COMPONENT.dll
"""
import sys

import pefile

SYSTEM_LIBRARIES = {"kernel32.dll", "msvcrt.dll", "ole32.dll", "oleaut32.dll", "user32.dll"}


def main():
    pe = pefile.PE(sys.argv[1])
    exports = sorted(e.name.decode() for e in pe.DIRECTORY_ENTRY_EXPORT.symbols)
    imports = sorted(i.dll.decode().lower() for i in pe.DIRECTORY_ENTRY_IMPORT)
    failures = []
    if exports != ["DllCanUnloadNow", "DllGetClassObject"]:
        failures.append(f"exports are {exports}")
    if not set(imports) <= SYSTEM_LIBRARIES:
        failures.append(f"imports beyond the system's: {sorted(set(imports) - SYSTEM_LIBRARIES)}")
    for failure in failures:
        print("FAILED:", failure)
    print(f"{2 - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
