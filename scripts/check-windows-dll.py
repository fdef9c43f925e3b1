#!/usr/bin/env python3
"""Checks a built Windows DLL of the module as a file: its machine and DLL
flag, its one export, the DLLs it imports, and every resource in its resource
section, against what a host expects of the module.

    check-windows-dll.py DLL --machine i386|amd64 [--res kavro.res]

With --res, every resource of the DLL must also be byte for byte the resource
of the same type, name and language in the compiled resource file, and the
two must hold the same resources.

Prints one line per finding and exits 1 when there is any; prints one "ok"
line and exits 0 otherwise. Standard library only.
"""

import argparse
import struct
import sys

MACHINES = {"i386": 0x014C, "amd64": 0x8664}
IMAGE_FILE_DLL = 0x2000
EXPORT_DIRECTORY, IMPORT_DIRECTORY, RESOURCE_DIRECTORY = 0, 1, 2

# DLLs of the MinGW runtime: a module must carry its runtime inside instead.
MINGW_RUNTIME_PREFIXES = ("libgcc_s", "libstdc++", "libwinpthread")

RT_CURSOR, RT_ICON, RT_DIALOG, RT_STRING = 1, 3, 5, 6
RT_GROUP_CURSOR, RT_GROUP_ICON = 12, 14
US_ENGLISH = 1033

TOOL_COUNT = 16
ICON_GROUP_BASE = 16050
CURSOR_GROUP = 16001
CURSOR_IMAGE = TOOL_COUNT + 1  # icon images are 1 to 16, the cursor image follows
ERROR_STRINGS = range(16050, 16063)

ICON_BYTES = 744
CURSOR_HOT_SPOT = (16, 15)


def expected_inventory():
    """(type, name, language) of every resource the module must hold."""
    inventory = {("PIPL", 16000), (RT_GROUP_CURSOR, CURSOR_GROUP), (RT_CURSOR, CURSOR_IMAGE)}
    for k in range(1, TOOL_COUNT + 1):
        inventory |= {(RT_GROUP_ICON, ICON_GROUP_BASE + k), (RT_ICON, k)}
    inventory |= {(RT_DIALOG, 16050), (RT_DIALOG, 16051), (RT_DIALOG, 16200)}
    inventory |= {(RT_STRING, string_id // 16 + 1) for string_id in ERROR_STRINGS}
    return {(kind, name, US_ENGLISH) for kind, name in inventory}


def four_chars(text):
    """A four-character code as the little-endian 32-bit integer it is."""
    return struct.pack("<I", int.from_bytes(text.encode("ascii"), "big"))


def expected_property_list():
    def prop(key, data):
        padded = data + b"\0" * (-len(data) % 4)
        return four_chars("ADBE") + four_chars(key) + struct.pack("<II", 0, len(data)) + padded

    return (struct.pack("<HII", 1, 0, 3) + prop("kind", four_chars("SPEA"))
            + prop("ivrs", struct.pack("<I", 2)) + prop("wx86", b"PluginMain\0\0") + b"\0")


class Findings:
    def __init__(self, dll):
        self.dll = dll
        self.lines = []

    def fail(self, what):
        self.lines.append(f"{self.dll}: {what}")

    def expect(self, condition, what):
        if not condition:
            self.fail(what)
        return condition


class PeFile:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not a PE file (no MZ header)")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file (no PE signature)")
        (self.machine, sections, _, _, _, optional_size,
         self.characteristics) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        directories = optional + {0x10B: 96, 0x20B: 112}.get(magic, -1)
        if directories < optional:
            raise ValueError(f"unknown optional header magic {magic:#x}")
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i)
                            for i in range(16)]
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            (virtual_size, address, raw_size,
             raw_offset) = struct.unpack_from("<IIII", data, table + 40 * i + 8)
            self.sections.append((address, max(virtual_size, raw_size), raw_offset))

    def offset(self, rva):
        for address, size, raw_offset in self.sections:
            if address <= rva < address + size:
                return raw_offset + rva - address
        raise ValueError(f"address {rva:#x} lies in no section")

    def c_string(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def word(self, rva):
        return struct.unpack_from("<H", self.data, self.offset(rva))[0]

    def dword(self, rva):
        return struct.unpack_from("<I", self.data, self.offset(rva))[0]

    def exports(self):
        rva, size = self.directories[EXPORT_DIRECTORY]
        if size == 0:
            return 0, []
        functions, names, name_table = (self.dword(rva + 20), self.dword(rva + 24),
                                        self.dword(rva + 32))
        return functions, [self.c_string(self.dword(name_table + 4 * i)) for i in range(names)]

    def imports(self):
        rva, size = self.directories[IMPORT_DIRECTORY]
        found = []
        while size and self.dword(rva + 12) != 0:
            found.append(self.c_string(self.dword(rva + 12)))
            rva += 20
        return found

    def resources(self):
        """{(type, name, language): bytes}; numbers stay ints, names become str."""
        root, size = self.directories[RESOURCE_DIRECTORY]
        found = {}
        if size == 0:
            return found

        def entries(directory):
            named, numbered = self.word(directory + 12), self.word(directory + 14)
            for i in range(named + numbered):
                key, target = struct.unpack_from("<II", self.data,
                                                 self.offset(directory + 16 + 8 * i))
                if key & 0x80000000:
                    at = root + (key & 0x7FFFFFFF)
                    length = self.word(at)
                    start = self.offset(at + 2)
                    key = self.data[start:start + 2 * length].decode("utf-16-le")
                yield key, target

        for kind, names in entries(root):
            for name, languages in entries(root + (names & 0x7FFFFFFF)):
                for language, leaf in entries(root + (languages & 0x7FFFFFFF)):
                    data_rva, data_size = struct.unpack_from(
                        "<II", self.data, self.offset(root + leaf))
                    start = self.offset(data_rva)
                    found[(kind, name, language)] = self.data[start:start + data_size]
        return found


def read_res(data):
    """{(type, name, language): bytes} of a compiled resource (.res) file."""
    found, offset = {}, 0

    def read_id(pos):
        if struct.unpack_from("<H", data, pos)[0] == 0xFFFF:
            return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
        end = pos
        while struct.unpack_from("<H", data, end)[0] != 0:
            end += 2
        return data[pos:end].decode("utf-16-le"), end + 2

    while offset < len(data):
        data_size, header_size = struct.unpack_from("<II", data, offset)
        kind, pos = read_id(offset + 8)
        name, pos = read_id(pos)
        pos = (pos + 3) & ~3
        language = struct.unpack_from("<H", data, pos + 6)[0]
        start = offset + header_size
        if (kind, name, data_size) != (0, 0, 0):  # the empty record that marks the format
            found[(kind, name, language)] = data[start:start + data_size]
        offset = (start + data_size + 3) & ~3
    return found


def describe(key):
    return "/".join(str(part) for part in key)


def check_icons(findings, resources):
    for k in range(1, TOOL_COUNT + 1):
        group = resources.get((RT_GROUP_ICON, ICON_GROUP_BASE + k, US_ENGLISH), b"")
        if not findings.expect(len(group) == 6 + 14,
                               f"icon group {ICON_GROUP_BASE + k} is not one image"):
            continue
        _, kind, count = struct.unpack_from("<HHH", group, 0)
        width, height, colours, _, planes, bits, size, image = struct.unpack_from(
            "<BBBBHHIH", group, 6)
        findings.expect((kind, count, width, height, colours, bits, size, image)
                        == (1, 1, 32, 32, 16, 4, ICON_BYTES, k),
                        f"icon group {ICON_GROUP_BASE + k}: type {kind}, {count} image(s), "
                        f"{width}x{height}, {colours} colours, {bits} bpp, {size} bytes, "
                        f"image {image}; expected one 32x32 16-colour 4 bpp image of "
                        f"{ICON_BYTES} bytes, image {k}")
        icon = resources.get((RT_ICON, k, US_ENGLISH), b"")
        if findings.expect(len(icon) == ICON_BYTES,
                           f"icon image {k} is {len(icon)} bytes, not {ICON_BYTES}"):
            header = struct.unpack_from("<IiiHH", icon, 0)
            findings.expect(header == (40, 32, 64, 1, 4),
                            f"icon image {k}: bitmap header {header}, expected 32x32, 4 bpp")


def check_cursor(findings, resources):
    group = resources.get((RT_GROUP_CURSOR, CURSOR_GROUP, US_ENGLISH), b"")
    if not findings.expect(len(group) == 6 + 14, f"cursor group {CURSOR_GROUP} is not one image"):
        return
    _, kind, count = struct.unpack_from("<HHH", group, 0)
    width, double_height, planes, bits, size, image = struct.unpack_from("<HHHHIH", group, 6)
    findings.expect((kind, count, width, double_height, bits, image)
                    == (2, 1, 32, 64, 1, CURSOR_IMAGE),
                    f"cursor group {CURSOR_GROUP}: type {kind}, {count} image(s), width "
                    f"{width}, height {double_height // 2}, {bits} bpp, image {image}; expected "
                    f"one 32x32 1 bpp image, image {CURSOR_IMAGE}")
    cursor = resources.get((RT_CURSOR, CURSOR_IMAGE, US_ENGLISH), b"")
    if not findings.expect(len(cursor) == size and size > 44,
                           f"cursor image {CURSOR_IMAGE} is {len(cursor)} bytes, "
                           f"its group says {size}"):
        return
    hot_spot = struct.unpack_from("<HH", cursor, 0)
    findings.expect(hot_spot == CURSOR_HOT_SPOT,
                    f"cursor hot spot {hot_spot}, expected {CURSOR_HOT_SPOT}")
    header = struct.unpack_from("<IiiHH", cursor, 4)
    findings.expect(header == (40, 32, 64, 1, 1),
                    f"cursor image: bitmap header {header}, expected 32x32, 1 bpp")


def check(path, machine, res_path):
    findings = Findings(path)
    with open(path, "rb") as file:
        pe = PeFile(file.read())
    findings.expect(pe.machine == MACHINES[machine],
                    f"machine {pe.machine:#06x}, expected {machine} ({MACHINES[machine]:#06x})")
    findings.expect(pe.characteristics & IMAGE_FILE_DLL, "not flagged as a DLL")

    functions, names = pe.exports()
    findings.expect(functions == 1 and names == ["PluginMain"],
                    f"exports {functions} function(s) named {names}, expected only PluginMain")
    runtime = [dll for dll in pe.imports() if dll.lower().startswith(MINGW_RUNTIME_PREFIXES)]
    findings.expect(not runtime, f"imports MinGW runtime DLLs: {', '.join(runtime)}")

    resources = pe.resources()
    inventory, expected = set(resources), expected_inventory()
    for key in sorted(inventory - expected, key=str):
        findings.fail(f"unexpected resource {describe(key)}")
    for key in sorted(expected - inventory, key=str):
        findings.fail(f"missing resource {describe(key)}")

    pipl = resources.get(("PIPL", 16000, US_ENGLISH), b"")
    findings.expect(pipl == expected_property_list(),
                    f"property list PIPL 16000 is {len(pipl)} bytes {pipl.hex()}, expected "
                    f"{len(expected_property_list())} bytes {expected_property_list().hex()}")
    check_icons(findings, resources)
    check_cursor(findings, resources)

    if res_path:
        with open(res_path, "rb") as file:
            compiled = read_res(file.read())
        for key in sorted(set(compiled) ^ inventory, key=str):
            findings.fail(f"resource {describe(key)} is in only one of the DLL and {res_path}")
        for key in sorted(set(compiled) & inventory, key=str):
            findings.expect(compiled[key] == resources[key],
                            f"resource {describe(key)} differs from {res_path}")
    return findings.lines, len(resources)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("dll")
    parser.add_argument("--machine", choices=sorted(MACHINES), required=True)
    parser.add_argument("--res", help="the compiled resource file the DLL's resources come from")
    arguments = parser.parse_args()
    try:
        lines, count = check(arguments.dll, arguments.machine, arguments.res)
    except (OSError, ValueError, struct.error) as error:
        print(f"{arguments.dll}: cannot read: {error}")
        return 1
    for line in lines:
        print(line)
    if lines:
        return 1
    same = f", each the same bytes as in {arguments.res}" if arguments.res else ""
    print(f"{arguments.dll}: ok: {arguments.machine} DLL exporting only PluginMain, "
          f"no MinGW runtime DLL, {count} resources as expected{same}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
