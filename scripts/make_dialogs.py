#!/usr/bin/env python3
"""Writes the dialog templates and their control initialisation data.

Usage: make_dialogs.py TABLE OUTPUT_DIR

Reads res/dialogs/Dialogs.txt (its header describes the format) and writes
into OUTPUT_DIR:
  Dialogs.rc           the DIALOGEX statements, plus one type 240 resource
                       per template naming its data file;
  DialogInit<ID>.bin   the initialisation records of template ID.

Each record is: control id (16 bits), message 0x0376 (16 bits), byte count
(32 bits) and the control's property stream. A stream starts with 0, 32, the
stream version, and the control's width and height in HIMETRIC; then come
the kind's properties, each a 16-bit variant type and its value. The data
ends with a 16-bit zero.

Dialog units to HIMETRIC: the templates' font, MS UI Gothic at 9 points,
gives dialog base units of 6 x 12 pixels at 96 pixels per inch, so a dialog
unit is 6/4 pixel across and 12/8 pixel down. The size is converted to pixels
and the pixels to HIMETRIC (2540 per inch), each step rounded as MulDiv
rounds, the way a dialog maps its rectangles and a container converts
device units for its controls.
"""
import shlex
import struct
import sys
from pathlib import Path

DIALOG_STYLE = 0x80C800C0  # WS_POPUP WS_CAPTION WS_SYSMENU DS_MODALFRAME DS_SETFONT
WS_CHILD, WS_VISIBLE, WS_TABSTOP, WS_GROUP = 0x40000000, 0x10000000, 0x00010000, 0x00020000
FLAGS = {"tabstop": WS_TABSTOP, "group": WS_GROUP}
WM_OCC_LOADFROMSTREAM = 0x0376
FONT = '9, "MS UI Gothic", 400, 0'
BASE_X, BASE_Y, PIXELS_PER_INCH, HIMETRIC_PER_INCH = 6, 12, 96, 2540
VARIANT_TYPES = {"I2": 2, "I4": 3, "BSTR": 8, "BOOL": 11, "UI4": 19}


class TableError(Exception):
    pass


def mul_div(number, numerator, denominator):
    """MulDiv for the non-negative values of a template: rounds half up."""
    return (number * numerator + denominator // 2) // denominator


def himetric(width, height):
    x_pixels = mul_div(width, BASE_X, 4)
    y_pixels = mul_div(height, BASE_Y, 8)
    return (mul_div(x_pixels, HIMETRIC_PER_INCH, PIXELS_PER_INCH),
            mul_div(y_pixels, HIMETRIC_PER_INCH, PIXELS_PER_INCH))


def number(text):
    return int(text, 0)


def parse(text):
    kinds, dialogs, current = {}, [], None
    for line_number, line in enumerate(text.splitlines(), 1):
        try:
            words = shlex.split(line, comments=True)
        except ValueError as error:
            raise TableError(f"line {line_number}: {error}") from None
        if not words:
            continue
        where = f"line {line_number}"
        try:
            if words[0] == "kind":
                name, clsid = words[1:3]
                current = kinds[name] = {"clsid": clsid, "properties": []}
            elif words[0] == "dialog":
                ident, width, height, caption, charset, version = words[1:7]
                current = {"id": number(ident), "size": (number(width), number(height)),
                           "caption": caption, "charset": number(charset),
                           "version": number(version), "controls": []}
                dialogs.append(current)
            elif current is None:
                raise TableError(f"{where}: entry outside a kind or dialog")
            elif "properties" in current:
                name, vtype, default = words
                if vtype not in VARIANT_TYPES:
                    raise TableError(f"{where}: unknown variant type {vtype}")
                current["properties"].append((name, vtype, default))
            else:
                ident, kind, x, y, width, height, flags, name, caption, *overrides = words
                if kind not in kinds:
                    raise TableError(f"{where}: unknown kind {kind}")
                style = WS_CHILD | WS_VISIBLE
                for flag in ([] if flags == "-" else flags.split(",")):
                    style |= FLAGS[flag]
                current["controls"].append({
                    "id": number(ident), "kind": kind,
                    "rect": tuple(number(v) for v in (x, y, width, height)),
                    "style": style, "name": name, "caption": None if caption == "-" else caption,
                    "overrides": dict(o.split("=", 1) for o in overrides), "where": where})
        except (ValueError, KeyError) as error:
            raise TableError(f"{where}: malformed entry ({error})") from None
    for dialog in dialogs:
        for control in dialog["controls"]:
            check_control(control, kinds[control["kind"]])
    return kinds, dialogs


def check_control(control, kind):
    names = [p[0] for p in kind["properties"]]
    has_caption = any(p[2] == "<caption>" for p in kind["properties"])
    if has_caption != (control["caption"] is not None):
        raise TableError(f"{control['where']}: caption does not suit kind {control['kind']}")
    for name in control["overrides"]:
        if name not in names:
            raise TableError(f"{control['where']}: {control['kind']} has no property {name}")


def encode_value(vtype, text):
    code = struct.pack("<H", VARIANT_TYPES[vtype])
    if vtype == "BSTR":
        data = text.encode("utf-16-le") + b"\0\0"
        return code + struct.pack("<I", len(data)) + data
    if vtype == "BOOL":
        if text not in ("true", "false"):
            raise TableError(f"not a boolean: {text}")
        return code + struct.pack("<h", -1 if text == "true" else 0)
    try:
        value = number(text)
    except ValueError:
        raise TableError(f"not a number: {text}") from None
    layout = {"I2": "<h", "I4": "<i", "UI4": "<I"}[vtype]
    try:
        return code + struct.pack(layout, value)
    except struct.error:
        raise TableError(f"{text} does not fit {vtype}") from None


def property_stream(control, kind, version, tab_index):
    width, height = himetric(*control["rect"][2:])
    stream = struct.pack("<5I", 0, 32, version, width, height)
    for name, vtype, default in kind["properties"]:
        value = control["overrides"].get(name, default)
        value = {"<caption>": control["caption"], "<name>": control["name"],
                 "<tabindex>": str(tab_index)}.get(value, value)
        if value.startswith("<") and value.endswith(">"):
            raise TableError(f"{control['where']}: unknown placeholder {value} for {name}")
        try:
            stream += encode_value(vtype, value)
        except TableError as error:
            raise TableError(f"{control['where']}: {name}: {error}") from None
    return stream


def initialisation_data(dialog, kinds):
    data = b""
    for index, control in enumerate(dialog["controls"]):
        stream = property_stream(control, kinds[control["kind"]], dialog["version"], index)
        data += struct.pack("<HHI", control["id"], WM_OCC_LOADFROMSTREAM, len(stream)) + stream
    return data + b"\0\0"


def rc_text(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '""') + '"'


def dialog_script(dialogs, kinds):
    lines = ["// Written by scripts/make_dialogs.py from res/dialogs/Dialogs.txt.", ""]
    for dialog in dialogs:
        width, height = dialog["size"]
        lines += [f"{dialog['id']} DIALOGEX 0, 0, {width}, {height}",
                  f"STYLE 0x{DIALOG_STYLE:08X}",
                  f"CAPTION {rc_text(dialog['caption'])}",
                  f"FONT {FONT}, {dialog['charset']}",
                  "BEGIN"]
        for control in dialog["controls"]:
            x, y, w, h = control["rect"]
            clsid = kinds[control["kind"]]["clsid"]
            lines.append(f'    CONTROL "", {control["id"]}, "{clsid}", 0x{control["style"]:08X}, {x}, {y}, {w}, {h}')
        lines += ["END", f'{dialog["id"]} 240 "DialogInit{dialog["id"]}.bin"', ""]
    return "\n".join(lines)


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        kinds, dialogs = parse(Path(argv[1]).read_text(encoding="utf-8"))
        # Everything is encoded before anything is written: a bad table
        # leaves the previous output as it was.
        files = {f"DialogInit{d['id']}.bin": initialisation_data(d, kinds) for d in dialogs}
        files["Dialogs.rc"] = dialog_script(dialogs, kinds).encode("utf-8")
    except TableError as error:
        print(f"{argv[1]}: {error}", file=sys.stderr)
        return 1
    output = Path(argv[2])
    output.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (output / name).write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
