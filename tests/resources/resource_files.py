"""Shared by the resource checks: the built file's resources and a test case
base that fetches one Japanese resource from them."""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_resources import read_pe, read_res  # noqa: E402

JAPANESE = 0x0411


def load(path):
    """(type, name, language) -> bytes of a PE file or a .res image."""
    with open(path, "rb") as f:
        data = f.read()
    return read_pe(path) if data[:2] == b"MZ" else read_res(data)


class ResourceCase(unittest.TestCase):
    resources = {}

    def resource(self, rtype, ident):
        """The resource's bytes; fails unless it exists once, in Japanese."""
        found = {k: v for k, v in self.resources.items() if k[:2] == (rtype, ident)}
        self.assertEqual(list(found), [(rtype, ident, JAPANESE)])
        return next(iter(found.values()))


def run(usage, cases):
    """Runs the cases on the file named by the one argument; the exit status."""
    if len(sys.argv) != 2:
        print(usage, file=sys.stderr)
        return 2
    ResourceCase.resources = load(sys.argv[1])
    suite = unittest.TestSuite()
    for case in cases:
        suite.addTests(unittest.defaultTestLoader.loadTestsFromTestCase(case))
    return 0 if unittest.TextTestRunner(verbosity=2).run(suite).wasSuccessful() else 1
