#!/usr/bin/env python3
"""Gives an installer's summary the same times and package code on every build.

wixl writes the time it ran as the package's times, and a new package code
at random. The times become TIME (seconds since 1970), and the package code
follows from the package's content with that code left out, so that the same
package gets the same code and any change a new one, as Windows Installer
requires. The summary is rewritten in place, at the same size.
Usage: msi_summary.py MSI TIME
"""
import hashlib
import struct
import sys
import uuid

import olefile

SUMMARY = "\x05SummaryInformation"
PACKAGE_CODE = 9
VT_LPSTR, VT_FILETIME = 30, 64


def properties(stream):
    """(property id, type, offset of the value) for each property of the summary."""
    (offset,) = struct.unpack_from("<I", stream, 28 + 16)
    _, count = struct.unpack_from("<II", stream, offset)
    for index in range(count):
        pid, at = struct.unpack_from("<II", stream, offset + 8 + 8 * index)
        (kind,) = struct.unpack_from("<I", stream, offset + at)
        yield pid, kind, offset + at + 4


def rewritten(stream, time, code):
    stream = bytearray(stream)
    for pid, kind, at in properties(stream):
        if kind == VT_FILETIME:
            struct.pack_into("<Q", stream, at, (time + 11644473600) * 10_000_000)
        elif pid == PACKAGE_CODE and kind == VT_LPSTR:
            text = ("{%s}" % str(code).upper()).encode("ascii")
            (size,) = struct.unpack_from("<I", stream, at)
            if size < len(text) + 1:
                sys.exit("msi_summary: the package code has no room for a GUID")
            stream[at + 4:at + 4 + size] = text.ljust(size, b"\0")
    return bytes(stream)


def main(path, time):
    with olefile.OleFileIO(path, write_mode=True) as package:
        package.write_stream(SUMMARY, rewritten(package.openstream(SUMMARY).read(), int(time), uuid.UUID(int=0)))
    with open(path, "rb") as content:
        code = uuid.UUID(bytes=hashlib.sha256(content.read()).digest()[:16], version=4)
    with olefile.OleFileIO(path, write_mode=True) as package:
        package.write_stream(SUMMARY, rewritten(package.openstream(SUMMARY).read(), int(time), code))


if __name__ == "__main__":
    main(*sys.argv[1:])
