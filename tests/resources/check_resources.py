#!/usr/bin/env python3
"""Reads the launcher's resources back from the built file and checks them.

Usage: check_resources.py FILE SOURCE_DIR [--arch X86|amd64]
FILE is the Windows executable (read with pefile) or the POSIX build's .res
image (read here). The expected catalogue is tests/launcher/Catalogue.h.
"""
import re
import struct
import sys
import unittest
import xml.etree.ElementTree as ET

RT_STRING, RT_MANIFEST = 6, 24
ASM = "{urn:schemas-microsoft-com:asm.v1}"
ASM3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPAT = "{urn:schemas-microsoft-com:compatibility.v1}"
SETTINGS = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
CONTROL_KINDS = [
    "{7F844EDF-D0C2-4B97-8FE0-45FDEDAD32B9}", "{D988C04E-D7ED-4EDF-A5EE-C9913C1AEC5C}",
    "{138E4372-9848-46E0-827B-1F5AB060A02D}", "{AD3F5EC9-6DB7-41B5-986F-D71E170529D6}",
    "{EBB55576-3CB2-4239-A1B3-B12659D9EF8E}", "{5C08BA1E-EEC0-4E5F-955B-4C57E3371C0B}",
    "{4AC366EB-7B2C-483E-898D-3644246B3E62}", "{CCB3842B-BA09-4730-BAB6-2F60CEE3A75A}",
]
SUPPORTED_OS = [
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
]


def read_res(data):
    """(type, name, language) -> bytes from a .res image; numeric ids only."""
    out, pos = {}, 0
    while pos + 8 <= len(data):
        size, header = struct.unpack_from("<II", data, pos)
        if header < 32:
            raise ValueError(f"bad header at {pos}")
        ids, cur = [], pos + 8
        for _ in range(2):
            if struct.unpack_from("<H", data, cur)[0] == 0xFFFF:
                ids.append(struct.unpack_from("<H", data, cur + 2)[0]); cur += 4
            else:
                end = cur
                while struct.unpack_from("<H", data, end)[0] != 0:
                    end += 2
                ids.append(data[cur:end].decode("utf-16-le")); cur = end + 2
        cur = pos + ((cur - pos + 3) & ~3)
        language = struct.unpack_from("<H", data, cur + 6)[0]
        if size or ids[0] != 0:
            out[(ids[0], ids[1], language)] = data[pos + header: pos + header + size]
        pos += (header + size + 3) & ~3
    return out


def read_pe(path):
    import pefile
    pe = pefile.PE(path)
    out = {}
    for rtype in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        type_id = rtype.id if rtype.id is not None else str(rtype.name)
        for name in rtype.directory.entries:
            name_id = name.id if name.id is not None else str(name.name)
            for lang in name.directory.entries:
                entry = lang.data.struct
                out[(type_id, name_id, lang.id)] = pe.get_data(entry.OffsetToData, entry.Size)
    return out


def expected_catalogue(source_dir):
    text = open(f"{source_dir}/tests/launcher/Catalogue.h", encoding="utf-8").read()
    escapes = {"n": "\n", "t": "\t", "\\": "\\", '"': '"'}
    table = {}
    for number, body in re.findall(r'\{(\d+), u"((?:[^"\\]|\\.)*)"\}', text):
        table[int(number)] = re.sub(r"\\(.)", lambda m: escapes[m.group(1)], body)
    return table


def strings_of(resources):
    table = {}
    for (rtype, block, language), data in resources.items():
        if rtype != RT_STRING:
            continue
        pos = 0
        for index in range(16):
            (length,) = struct.unpack_from("<H", data, pos)
            text = data[pos + 2: pos + 2 + 2 * length].decode("utf-16-le")
            pos += 2 + 2 * length
            if length:
                table[(block - 1) * 16 + index] = (text, language)
    return table


def apprun_clsid(source_dir):
    text = open(f"{source_dir}/src/launcher/AppRun.h", encoding="utf-8").read()
    body = re.search(r"CLSID_AppRun = \{(.*?)\};", text, re.S).group(1)
    n = [int(x, 16) for x in re.findall(r"0x([0-9A-Fa-f]+)", body)]
    return "{%08X-%04X-%04X-%02X%02X-%s}" % (n[0], n[1], n[2], n[3], n[4], "".join("%02X" % b for b in n[5:]))


class Resources(unittest.TestCase):
    resources, source_dir, arch = {}, ".", "X86"

    def manifest(self):
        found = [(k, v) for k, v in self.resources.items() if k[0] == RT_MANIFEST]
        self.assertEqual([k for k, _ in found], [(RT_MANIFEST, 1, 0x0409)])
        return found[0][1]

    def test_string_table_is_exactly_the_catalogue_in_japanese(self):
        actual = strings_of(self.resources)
        expected = expected_catalogue(self.source_dir)
        self.assertEqual(len(expected), 61)
        self.assertEqual(sorted(actual), sorted(expected))
        for number, text in expected.items():
            self.assertEqual(actual[number], (text, 0x0411), number)
        self.assertEqual(actual[10010][0], "AppRunオブジェクトの作成に失敗しました。")
        self.assertTrue(all("\r" not in text for text, _ in actual.values()))

    def test_manifest_bytes_have_the_one_line_form(self):
        data = self.manifest()
        declaration = b'\xef\xbb\xbf<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
        self.assertTrue(data.startswith(declaration))
        body = data[len(declaration):]
        self.assertTrue(body.startswith(b"<assembly "))
        self.assertTrue(body.endswith(b"</assembly>"))
        self.assertNotIn(b"\n", body)
        self.assertNotIn(b"\r", body)
        self.assertIn(b'xmlns:asmv3="urn:schemas-microsoft-com:asm.v3"', body)
        self.assertIn(b"<ms_compatibility:compatibility xmlns:ms_compatibility=", body)

    def test_manifest_declares_the_classes_and_libraries(self):
        root = ET.fromstring(self.manifest()[3:])
        self.assertEqual(root.tag, ASM + "assembly")
        self.assertEqual(root.get("manifestVersion"), "1.0")
        children = [child.tag for child in root]
        self.assertEqual(children[:2], [ASM + "assemblyIdentity", ASM + "dependency"])
        self.assertEqual(children[2:12], [ASM + "file"] * 10)
        self.assertEqual(children[12:], [ASM3 + "trustInfo", ASM3 + "application", COMPAT + "compatibility"])

        identity = root.find(ASM + "assemblyIdentity").attrib
        self.assertEqual(identity, {"version": "24.0.1.0", "processorArchitecture": self.arch,
                                    "name": "KestovaSoftware.Kestova.KestovaLink", "type": "win32"})
        dependent = root.find(f"{ASM}dependency/{ASM}dependentAssembly/{ASM}assemblyIdentity").attrib
        self.assertEqual((dependent["type"], dependent["version"], dependent["name"]),
                         ("win32", "1.0.0.0", "KestovaSoftware.Kestova.Proxy"))

        files = root.findall(ASM + "file")
        classes = [c for f in files for c in f.findall(ASM + "comClass")]
        self.assertEqual(len(classes), 58)
        self.assertEqual(sum("progid" in c.attrib for c in classes), 49)
        self.assertEqual(sum("tlbid" in c.attrib for c in classes), 53)
        libraries = [t for f in files for t in f.findall(ASM + "typelib")]
        self.assertEqual(len(libraries), 5)
        for library in libraries:
            self.assertEqual((library.get("version"), library.get("helpdir")), ("1.0", ""))
        declared = {t.get("tlbid") for t in libraries}
        self.assertTrue(all(c.get("tlbid") in declared for c in classes if "tlbid" in c.attrib))
        self.assertEqual(len({c.get("clsid").upper() for c in classes}), 58)

        first = files[0].findall(ASM + "comClass")
        self.assertEqual(files[0].get("name"), "AppRun.dll")
        self.assertEqual(len(first), 1)
        self.assertEqual(first[0].get("clsid"), apprun_clsid(self.source_dir))
        self.assertEqual(first[0].get("progid"), "Kestova.AppRun")
        self.assertNotIn("tlbid", first[0].attrib)

        controls = files[4].findall(ASM + "comClass")
        self.assertEqual(files[4].get("name"), "KestovaControls.dll")
        self.assertEqual(len(controls), 42)
        (library,) = files[4].findall(ASM + "typelib")
        self.assertTrue(all(c.get("tlbid") == library.get("tlbid") for c in controls))
        self.assertTrue(set(CONTROL_KINDS) <= {c.get("clsid") for c in controls})
        for other in files[1:4] + files[5:]:
            self.assertIn(len(other.findall(ASM + "comClass")), range(1, 7), other.get("name"))

    def test_manifest_trust_dpi_and_supported_systems(self):
        root = ET.fromstring(self.manifest()[3:])
        level = root.find(f"{ASM3}trustInfo/{ASM3}security/{ASM3}requestedPrivileges/{ASM3}requestedExecutionLevel")
        self.assertEqual(level.attrib, {"level": "asInvoker", "uiAccess": "false"})
        dpi = root.find(f"{ASM3}application/{ASM3}windowsSettings/{SETTINGS}dpiAware")
        self.assertEqual(dpi.text, "true")
        systems = root.findall(f"{COMPAT}compatibility/{COMPAT}application/{COMPAT}supportedOS")
        self.assertEqual([s.get("Id") for s in systems], SUPPORTED_OS)


def main():
    args = sys.argv[1:]
    if len(args) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    path, Resources.source_dir = args[0], args[1]
    if "--arch" in args:
        Resources.arch = args[args.index("--arch") + 1]
    with open(path, "rb") as f:
        data = f.read()
    Resources.resources = read_pe(path) if data[:2] == b"MZ" else read_res(data)
    result = unittest.TextTestRunner(verbosity=2).run(unittest.defaultTestLoader.loadTestsFromTestCase(Resources))
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
