#!/usr/bin/env python3
"""Reads the dialog templates and their control initialisation data back
from the built file and checks them against the host product's dialogs.

Usage: check_dialogs.py FILE
FILE is the Windows executable (read with pefile) or the POSIX build's .res
image.
"""
import os
import struct
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_resources import strings_of  # noqa: E402
from resource_files import JAPANESE, ResourceCase, run  # noqa: E402

RT_DIALOG, RT_DLGINIT = 5, 240
WS_CHILD, WS_VISIBLE, WS_TABSTOP, WS_GROUP = 0x40000000, 0x10000000, 0x00010000, 0x00020000
KINDS = {
    "static": "{7F844EDF-D0C2-4B97-8FE0-45FDEDAD32B9}",
    "radio": "{D988C04E-D7ED-4EDF-A5EE-C9913C1AEC5C}",
    "combo": "{138E4372-9848-46E0-827B-1F5AB060A02D}",
    "editor": "{AD3F5EC9-6DB7-41B5-986F-D71E170529D6}",
    "check": "{EBB55576-3CB2-4239-A1B3-B12659D9EF8E}",
    "list": "{5C08BA1E-EEC0-4E5F-955B-4C57E3371C0B}",
    "button": "{4AC366EB-7B2C-483E-898D-3644246B3E62}",
    "group": "{CCB3842B-BA09-4730-BAB6-2F60CEE3A75A}",
}
CAPTIONED = {"static", "radio", "button", "check", "group"}
T, G, TG, NONE = WS_TABSTOP, WS_GROUP, WS_TABSTOP | WS_GROUP, 0

# id: (width, height, template caption, character set, stream version,
#      caption string id, controls: id, kind, x, y, w, h, flags, name, caption)
DIALOGS = {
    20001: (287, 114, "きゃぷしょん", 128, 0x0710, 2024, [
        (10006, "static", 7, 7, 46, 14, NONE, "DBTypeLabel", "データ形式(&F):"),
        (10003, "radio", 65, 7, 54, 14, TG, "RBtnJET", "スタンドアロン"),
        (10002, "radio", 129, 7, 60, 14, T, "RBtnMSDE", "マルチユーザー"),
        (10004, "static", 14, 43, 40, 14, G, "FolderL", "保存場所(&I):"),
        (10000, "combo", 61, 43, 160, 19, T, "ServerComboBox", None),
        (10001, "combo", 61, 43, 160, 19, T, "FolderComboBox", None),
        (10007, "button", 224, 43, 49, 14, T, "SanshoButton", "参照(&B)..."),
        (10008, "button", 15, 65, 87, 13, T, "DetailButton", "サーバーの詳細設定(&S)..."),
        (1, "button", 178, 93, 49, 14, T, "OKButton", "OK"),
        (2, "button", 231, 93, 49, 14, T, "CancelButton", "キャンセル"),
        (10005, "group", 7, 25, 273, 61, NONE, "GBLocation", ""),
    ]),
    20002: (170, 91, "ログイン", 128, 0x0710, 2013, [
        (10002, "static", 7, 7, 150, 14, T, "InfoText", "ユーザー名とパスワードを入力してください。"),
        (10003, "static", 7, 28, 49, 14, T, "UserText", "ユーザー名(&U):"),
        (10004, "combo", 56, 28, 99, 19, T, "UserName", None),
        (10005, "static", 7, 46, 49, 14, T, "PasswordText", "パスワード(&P):"),
        (10006, "editor", 56, 46, 99, 14, T, "Password", None),
        (1, "button", 60, 70, 49, 14, T, "OKButton", "OK"),
        (2, "button", 113, 70, 49, 14, T, "CancelButton", "キャンセル"),
    ]),
    20003: (187, 147, "きゃぷしょん", 128, 0x0710, 2025, [
        (10005, "check", 14, 7, 145, 14, T, "SaveUserChk", "サーバーにログインするユーザーを指定する(&S)"),
        (10002, "static", 14, 21, 50, 14, G, "UserNameL", "ユーザー名(&U):"),
        (10001, "editor", 75, 21, 80, 14, TG, "UserNameEdit", None),
        (10004, "static", 14, 39, 50, 14, G, "PasswordL", "パスワード(&P):"),
        (10006, "editor", 75, 39, 80, 14, TG, "PasswordEdit", None),
        (10008, "check", 14, 67, 135, 14, T, "SaveBackupShareChk", "バックアップ先共有フォルダを指定する(&B)"),
        (10007, "static", 14, 81, 107, 14, G, "BackupShareL", "フォルダの共有名(&I):"),
        (10009, "editor", 14, 99, 160, 14, TG, "BackupShareEdit", None),
        (10010, "group", 7, 67, 173, 53, NONE, "", ""),
        (10003, "group", 7, 7, 173, 53, NONE, "", ""),
        (1, "button", 78, 126, 49, 14, T, "OkButton", "OK"),
        (2, "button", 131, 126, 49, 14, T, "CancelButton", "キャンセル"),
    ]),
    20004: (199, 137, "きゃぷしょん", 0, 0x0C00, 2017, [
        (10014, "static", 7, 7, 94, 8, NONE, "", "現在使用可能なサーバー(&S):"),
        (10013, "list", 7, 25, 185, 85, T, "ServerList", None),
        (1, "button", 89, 117, 49, 14, T, "OKButton", "OK"),
        (2, "button", 143, 117, 49, 14, T, "CancelButton", "キャンセル"),
    ]),
}
CAPTION_STRINGS = {2013: "ログイン", 2017: "サーバーの選択", 2024: "参照先の設定", 2025: "サーバーの詳細設定"}


class Reader:
    def __init__(self, data):
        self.data, self.pos = data, 0

    def take(self, layout):
        values = struct.unpack_from(layout, self.data, self.pos)
        self.pos += struct.calcsize(layout)
        return values if len(values) > 1 else values[0]

    def align(self):
        self.pos = (self.pos + 3) & ~3

    def text(self):
        end = self.pos
        while struct.unpack_from("<H", self.data, end)[0]:
            end += 2
        value = self.data[self.pos:end].decode("utf-16-le")
        self.pos = end + 2
        return value

    def text_or_ordinal(self):
        if struct.unpack_from("<H", self.data, self.pos)[0] == 0xFFFF:
            self.pos += 2
            return self.take("<H")
        return self.text()


def parse_template(data):
    r = Reader(data)
    header = dict(zip(("version", "signature", "help", "exstyle", "style", "count", "x", "y", "cx", "cy"),
                      r.take("<HHIIIHhhhh")))
    header["menu"], header["class"], header["caption"] = r.text_or_ordinal(), r.text_or_ordinal(), r.text()
    header["points"], header["weight"], header["italic"], header["charset"] = r.take("<HHBB")
    header["font"] = r.text()
    controls = []
    for _ in range(header["count"]):
        r.align()
        control = dict(zip(("help", "exstyle", "style", "x", "y", "cx", "cy", "id"), r.take("<IIIhhhhI")))
        control["class"], control["title"] = r.text_or_ordinal(), r.text_or_ordinal()
        control["extra"] = r.take("<H")
        r.pos += control["extra"]
        controls.append(control)
    return header, controls, len(data) - r.pos


def parse_init_data(data):
    """(id, message, stream) records and the bytes left after the closing zero."""
    r, records = Reader(data), []
    while True:
        ident = r.take("<H")
        if ident == 0:
            return records, len(data) - r.pos
        message, length = r.take("<HI")
        records.append((ident, message, data[r.pos:r.pos + length]))
        r.pos += length
        if r.pos > len(data):
            raise ValueError("record runs past the end of the data")


def parse_stream(stream):
    """The five-value header and the typed values; raises on a malformed stream."""
    r = Reader(stream)
    header, values = r.take("<5I"), []
    sizes = {2: "<h", 3: "<i", 11: "<h", 19: "<I"}
    while r.pos < len(stream):
        vtype = r.take("<H")
        if vtype == 8:
            count = r.take("<I")
            raw = stream[r.pos:r.pos + count]
            if count < 2 or count % 2 or len(raw) != count or raw[-2:] != b"\0\0":
                raise ValueError(f"bad text of {count} bytes at {r.pos}")
            values.append((8, raw[:-2].decode("utf-16-le")))
            r.pos += count
        elif vtype in sizes:
            values.append((vtype, r.take(sizes[vtype])))
        else:
            raise ValueError(f"unknown variant type {vtype} at {r.pos - 2}")
    if r.pos != len(stream):
        raise ValueError("value runs past the end of the stream")
    return header, values


def himetric(units, base):
    # Dialog units to pixels of the 9-point template font at 96 pixels per
    # inch (base units 6 across, 12 down), then pixels to HIMETRIC.
    pixels = int(units * base / {6: 4, 12: 8}[base] + 0.5)
    return int(pixels * 2540 / 96 + 0.5)


class Dialogs(ResourceCase):
    def test_only_the_four_templates_and_their_data(self):
        for rtype in (RT_DIALOG, RT_DLGINIT):
            self.assertEqual(sorted(k[1] for k in self.resources if k[0] == rtype), sorted(DIALOGS))

    def test_template_headers(self):
        strings = strings_of(self.resources)
        for ident, (width, height, caption, charset, _, string_id, controls) in DIALOGS.items():
            with self.subTest(dialog=ident):
                header, _, rest = parse_template(self.resource(RT_DIALOG, ident))
                self.assertEqual(header, {
                    "version": 1, "signature": 0xFFFF, "help": 0, "exstyle": 0, "style": 0x80C800C0,
                    "count": len(controls), "x": 0, "y": 0, "cx": width, "cy": height,
                    "menu": "", "class": "", "caption": caption,
                    "points": 9, "weight": 400, "italic": 0, "charset": charset, "font": "MS UI Gothic"})
                self.assertLess(rest, 4)
                self.assertEqual(strings[string_id], (CAPTION_STRINGS[string_id], JAPANESE))
        self.assertEqual(strings[2013][0], DIALOGS[20002][2])

    def test_template_controls_in_order(self):
        for ident, (*_, controls) in DIALOGS.items():
            _, actual, _ = parse_template(self.resource(RT_DIALOG, ident))
            for index, (cid, kind, x, y, w, h, flags, _, _) in enumerate(controls):
                with self.subTest(dialog=ident, control=cid):
                    self.assertEqual(actual[index], {
                        "help": 0, "exstyle": 0, "style": WS_CHILD | WS_VISIBLE | flags,
                        "x": x, "y": y, "cx": w, "cy": h, "id": cid,
                        "class": KINDS[kind], "title": "", "extra": 0})

    def test_one_record_per_control_in_template_order(self):
        for ident, (*_, version, _, controls) in DIALOGS.items():
            with self.subTest(dialog=ident):
                records, rest = parse_init_data(self.resource(RT_DLGINIT, ident))
                self.assertEqual(rest, 0, "nothing may follow the closing zero")
                self.assertEqual([(r[0], r[1]) for r in records], [(c[0], 0x0376) for c in controls])

    def test_streams_match_their_controls(self):
        for ident, (*_, version, _, controls) in DIALOGS.items():
            records, _ = parse_init_data(self.resource(RT_DLGINIT, ident))
            for (cid, kind, _, _, w, h, _, name, caption), (_, _, stream) in zip(controls, records):
                with self.subTest(dialog=ident, control=cid):
                    header, values = parse_stream(stream)
                    self.assertEqual(header, (0, 32, version, himetric(w, 6), himetric(h, 12)))
                    texts = [v for t, v in values if t == 8]
                    self.assertEqual(texts[-1], name, "the name is the last text")
                    if kind in CAPTIONED:
                        self.assertEqual(values[0], (8, caption), "the caption comes first")
                        self.assertGreaterEqual(len(texts), 2)
                    else:
                        self.assertNotEqual(values[0][0], 8, "no caption in this kind")
                        self.assertEqual(texts, [name])

    def test_himetric_of_the_common_button(self):
        # 49 x 14 dialog units = 73.5 -> 74 x 21 pixels = 1958 x 556 HIMETRIC.
        records, _ = parse_init_data(self.resource(RT_DLGINIT, 20002))
        self.assertEqual(parse_stream(records[5][2])[0][3:], (1958, 556))

    def test_combo_boxes_of_20001_share_one_rectangle(self):
        _, controls, _ = parse_template(self.resource(RT_DIALOG, 20001))
        combos = [c for c in controls if c["id"] in (10000, 10001)]
        self.assertEqual(len(combos), 2)
        rect = lambda c: (c["x"], c["y"], c["cx"], c["cy"])  # noqa: E731
        self.assertEqual(rect(combos[0]), rect(combos[1]))
        self.assertEqual(rect(combos[0]), (61, 43, 160, 19))

    def test_ok_button_names(self):
        for ident, expected in ((20001, "OKButton"), (20002, "OKButton"), (20003, "OkButton"), (20004, "OKButton")):
            records, _ = parse_init_data(self.resource(RT_DLGINIT, ident))
            (stream,) = [s for cid, _, s in records if cid == 1]
            self.assertEqual([v for t, v in parse_stream(stream)[1] if t == 8][-1], expected, ident)


class StreamReader(unittest.TestCase):
    """The reader above must reject what a broken generator would write."""

    def test_malformed_streams_are_rejected(self):
        header = struct.pack("<5I", 0, 32, 0x0710, 1, 1)
        cases = {
            "odd text count": header + struct.pack("<HI", 8, 3) + b"a\0\0",
            "missing terminator": header + struct.pack("<HI", 8, 2) + b"a\0",
            "count past the end": header + struct.pack("<HI", 8, 8) + b"a\0\0\0",
            "unknown type": header + struct.pack("<Hi", 4, 0),
            "truncated integer": header + struct.pack("<H", 3) + b"\0\0",
        }
        for what, stream in cases.items():
            with self.subTest(what):
                with self.assertRaises((ValueError, struct.error)):
                    parse_stream(stream)

    def test_record_past_the_end_is_rejected(self):
        with self.assertRaises((ValueError, struct.error)):
            parse_init_data(struct.pack("<HHI", 1, 0x0376, 100) + b"\0" * 8)


if __name__ == "__main__":
    sys.exit(run(__doc__, [Dialogs, StreamReader]))
