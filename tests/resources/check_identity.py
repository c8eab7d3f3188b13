#!/usr/bin/env python3
"""Reads the icon, version block, type library and registry script back from
the built file, and checks that the file holds exactly the resources the
executable is meant to carry.

Usage: check_identity.py FILE
FILE is the Windows executable (read with pefile) or the POSIX build's .res
image.
"""
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from resource_files import JAPANESE, ResourceCase, run  # noqa: E402

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
# (width, height, bits listed, stored as PNG) in the group's order; ids 1 to 8.
ICONS = [(256, 256, 8, True), (48, 48, 8, False), (32, 32, 8, False), (16, 16, 8, False),
         (256, 256, 32, True), (48, 48, 32, False), (32, 32, 32, False), (16, 16, 32, False)]
VERSION_STRINGS = [
    ("CompanyName", "Kestova Software"),
    ("FileDescription", "ケストバ ミルダ 連動コンポーネント"),
    ("FileVersion", "24.0.1.100"),
    ("InternalName", "KestovaLink"),
    ("LegalCopyright", "Copyright (C) 2025 Kestova Software"),
    ("OriginalFilename", "KestovaLink.EXE"),
    ("ProductName", "ケストバ"),
    ("ProductVersion", "24.0.1.100"),
    ("OLESelfRegister", ""),
]
REGISTRY_SCRIPT = (b"HKCR\r\n{\r\n\tNoRemove AppID\r\n\t{\r\n\t\t'%APPID%' = s 'main'\r\n"
                   b"\t\t'main.EXE'\r\n\t\t{\r\n\t\t\tval AppID = s '%APPID%'\r\n\t\t}\r\n\t}\r\n}\r\n")


def version_node(data, pos):
    """(key, value bytes, children, end) of one node of a version block."""
    length, value_length, kind = struct.unpack_from("<HHH", data, pos)
    end, cur = pos + length, pos + 6
    key_end = cur
    while struct.unpack_from("<H", data, key_end)[0]:
        key_end += 2
    key = data[cur:key_end].decode("utf-16-le")
    cur = (key_end + 2 + 3) & ~3
    size = value_length * 2 if kind == 1 else value_length
    value = data[cur:cur + size]
    cur = (cur + size + 3) & ~3
    children = []
    while cur < end:
        child = version_node(data, cur)
        children.append(child)
        cur = (child[3] + 3) & ~3
    return key, value, children, end


def text_value(raw):
    text = raw.decode("utf-16-le")
    return text[:-1] if text.endswith("\0") else text


class Identity(ResourceCase):
    def test_inventory_is_complete_and_nothing_else(self):
        kinds = {}
        for rtype, name, language in self.resources:
            kinds.setdefault(rtype, set()).add(name)
            self.assertEqual(language, 0x0409 if rtype == 24 else JAPANESE, (rtype, name))
        strings = kinds.pop(6)
        self.assertTrue(strings)
        self.assertEqual(kinds, {24: {1}, 5: set(range(20001, 20005)), 240: set(range(20001, 20005)),
                                 RT_ICON: set(range(1, 9)), RT_GROUP_ICON: {201}, RT_VERSION: {1},
                                 "TYPELIB": {1}, "REGISTRY": {101}})

    def test_icon_group_lists_the_eight_images(self):
        group = self.resource(RT_GROUP_ICON, 201)
        self.assertEqual(struct.unpack_from("<HHH", group), (0, 1, 8))
        self.assertEqual(len(group), 6 + 14 * 8)
        for index, (width, height, bits, _) in enumerate(ICONS):
            with self.subTest(entry=index + 1):
                entry = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * index)
                image = self.resource(RT_ICON, index + 1)
                self.assertEqual(entry, (width % 256, height % 256, 0, 0, 1, bits, len(image), index + 1))

    def test_icon_images_are_stored_as_listed(self):
        for index, (width, height, bits, is_png) in enumerate(ICONS):
            with self.subTest(image=index + 1):
                image = self.resource(RT_ICON, index + 1)
                if is_png:
                    self.assertEqual(image[:8], b"\x89PNG\r\n\x1a\n")
                    self.assertEqual(image[12:16], b"IHDR")
                    # 8 bits per channel, colour type 6: RGBA.
                    self.assertEqual(struct.unpack_from(">IIBB", image, 16), (width, height, 8, 6))
                    self.assertTrue(image.endswith(b"IEND\xaeB`\x82"))
                    continue
                header = struct.unpack_from("<IiiHHI", image)
                self.assertEqual(header, (40, width, 2 * height, 1, bits, 0))
                palette = 4 * 256 if bits == 8 else 0
                xor = (width * bits // 8 + 3) // 4 * 4 * height
                mask = (width + 31) // 32 * 4 * height
                self.assertEqual(len(image), 40 + palette + xor + mask)

    def test_version_block(self):
        key, fixed, children, end = version_node(self.resource(RT_VERSION, 1), 0)
        self.assertEqual(key, "VS_VERSION_INFO")
        self.assertEqual(struct.unpack("<13I", fixed), (
            0xFEEF04BD, 0x00010000, (24 << 16) | 0, (1 << 16) | 100, (24 << 16) | 0, (1 << 16) | 100,
            0x3F, 0, 0x00000004, 0x00000002, 0, 0, 0))
        self.assertEqual([c[0] for c in children], ["StringFileInfo", "VarFileInfo"])
        (table,) = children[0][2]
        self.assertEqual(table[0], "041104E4")
        self.assertEqual([(c[0], text_value(c[1])) for c in table[2]], VERSION_STRINGS)
        (translation,) = children[1][2]
        self.assertEqual((translation[0], translation[1]), ("Translation", struct.pack("<HH", 0x0411, 0x04E4)))

    def test_type_library_header(self):
        library = self.resource("TYPELIB", 1)
        fields = struct.unpack_from("<4s20i", library)
        magic, version_tag, _, lcid, lcid2, varflags, version, flags, types = fields[:9]
        self.assertEqual((magic, version_tag), (b"MSFT", 0x00010002))
        self.assertEqual((lcid, lcid2, varflags & 0xF), (0x0409, 0x0409, 1))  # 1: 32-bit Windows
        self.assertEqual((version & 0xFFFF, version >> 16, flags, types), (1, 0, 0, 0))
        # Help string context and help context 0, no help file, no imported library.
        self.assertEqual((fields[10], fields[11], fields[15], fields[20]), (0, 0, -1, 0))
        self.assertIn(bytes.fromhex("B020BCA61B7A754AA4FCBBAAF77572E5"), library)
        self.assertIn("main 1.0 タイプ ライブラリ".encode("cp932"), library)
        self.assertNotIn("タイプ".encode("utf-8"), library)

    def test_registry_script_bytes(self):
        self.assertEqual(self.resource("REGISTRY", 101), REGISTRY_SCRIPT)


if __name__ == "__main__":
    sys.exit(run(__doc__, [Identity]))
