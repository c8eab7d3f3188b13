#!/usr/bin/env python3
"""The dialog table's generator on small tables: what it writes for one
control, and that a faulty table is refused with its line and writes
nothing.

Usage: test_make_dialogs.py SOURCE_DIR
"""
import os
import struct
import subprocess
import sys
import tempfile
import unittest

SOURCE_DIR = "."

KIND = """kind button {4AC366EB-7B2C-483E-898D-3644246B3E62}
    Caption BSTR <caption>
    Default BOOL false
    Name    BSTR <name>
    TabIndex I2  <tabindex>
kind combo {138E4372-9848-46E0-827B-1F5AB060A02D}
    Style   I4   0
    Name    BSTR <name>
"""


def run(table):
    """(exit status, stderr, written files) of the generator on a table."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "table.txt")
        with open(path, "w", encoding="utf-8") as f:
            f.write(table)
        out = os.path.join(folder, "out")
        result = subprocess.run([sys.executable, os.path.join(SOURCE_DIR, "scripts", "make_dialogs.py"), path, out],
                                capture_output=True, text=True)
        files = {}
        if os.path.isdir(out):
            for name in os.listdir(out):
                with open(os.path.join(out, name), "rb") as f:
                    files[name] = f.read()
        return result.returncode, result.stderr, files


def bstr(text):
    data = text.encode("utf-16-le") + b"\0\0"
    return struct.pack("<HI", 8, len(data)) + data


class Generator(unittest.TestCase):
    def test_one_button_record(self):
        status, _, files = run(KIND + 'dialog 30000 100 50 "T" 128 0x0710\n'
                                      '  1 button 10 20 49 14 tabstop "OKButton" "OK" Default=true\n'
                                      '  7 combo  0 0 40 19 - "" -\n')
        self.assertEqual(status, 0)
        data = files["DialogInit30000.bin"]
        stream = (struct.pack("<5I", 0, 32, 0x0710, 1958, 556) + bstr("OK") +
                  struct.pack("<Hh", 11, -1) + bstr("OKButton") + struct.pack("<Hh", 2, 0))
        combo = struct.pack("<5I", 0, 32, 0x0710, 1588, 767) + struct.pack("<Hi", 3, 0) + bstr("")
        self.assertEqual(data, struct.pack("<HHI", 1, 0x0376, len(stream)) + stream +
                         struct.pack("<HHI", 7, 0x0376, len(combo)) + combo + b"\0\0")
        script = files["Dialogs.rc"].decode("utf-8")
        self.assertIn('CONTROL "", 1, "{4AC366EB-7B2C-483E-898D-3644246B3E62}", 0x50010000, 10, 20, 49, 14', script)
        self.assertIn('30000 240 "DialogInit30000.bin"', script)

    def test_faulty_tables_are_refused(self):
        dialog = 'dialog 30000 100 50 "T" 128 0x0710\n'
        cases = {
            "caption on a kind without one": (dialog + '  7 combo 0 0 4 4 - "C" "text"\n', "line 10"),
            "no caption on a kind with one": (dialog + '  1 button 0 0 4 4 - "B" -\n', "caption"),
            "unknown kind": (dialog + '  1 slider 0 0 4 4 - "B" -\n', "unknown kind"),
            "unknown property": (dialog + '  1 button 0 0 4 4 - "B" "OK" Colour=1\n', "no property Colour"),
            "bad boolean": (dialog + '  1 button 0 0 4 4 - "B" "OK" Default=yes\n', "not a boolean"),
            "too large for I2": (KIND.replace("<tabindex>", "40000") + dialog + '  1 button 0 0 4 4 - "B" "OK"\n',
                                 "does not fit"),
            "unknown flag": (dialog + '  1 button 0 0 4 4 hidden "B" "OK"\n', "line 10"),
            "missing field": (dialog + '  1 button 0 0 4 4 - "B"\n', "line 10"),
            "unclosed quote": (dialog + '  1 button 0 0 4 4 - "B "OK\n', "line 10"),
            "control outside a dialog": ('  1 button 0 0 4 4 - "B" "OK"\n', "line 1"),
        }
        for what, (table, message) in cases.items():
            with self.subTest(what):
                status, error, files = run(table if what.startswith("control outside") else KIND + table)
                self.assertEqual(status, 1)
                self.assertIn(message, error)
                self.assertEqual(files, {})


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    SOURCE_DIR = sys.argv.pop(1)
    unittest.main(verbosity=2)
