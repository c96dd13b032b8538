"""Every help page the program asks for is in the built Help.chm.

Usage: help_pages.py HELP_CHM SOURCE_DIR

The help window draws nothing under Wine, so a page name that differs from
the file in the help file (even in letter case) would go unseen. The page
names are the ".htm" string literals of the program's sources (the help
bridge opens "html\\" + page); the help file's names come from the
directory of the compiled file itself, not from the project that built it.
"""

import os
import re
import struct
import sys

# Folders that hold the program; tests, fuzzers and benchmarks do not open help.
PROGRAM_FOLDERS = ("app", "controls", "core", "deploy", "help", "icons", "imaging", "logon",
                   "logos", "resedit", "startbutton", "startmenu", "ui", "win")
PAGE_LITERAL = re.compile(r'"([^"\\]*\.htm)"')


def read_encint(data, pos):
    """A CHM directory number: 7 bits a byte, most significant first."""
    value = 0
    while True:
        if pos >= len(data):
            raise ValueError("directory entry runs past its chunk")
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, pos


def chm_names(path):
    """{name: length} from the directory (PMGL listing chunks) of a CHM file."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:4] != b"ITSF":
        raise ValueError(f"{path}: not a compiled help file")
    # Header section table: section 1 is the directory.
    directory_offset, directory_length = struct.unpack_from("<QQ", data, 0x48)
    directory = data[directory_offset:directory_offset + directory_length]
    if directory[:4] != b"ITSP":
        raise ValueError(f"{path}: no directory header")
    header_length, = struct.unpack_from("<I", directory, 8)
    chunk_size, = struct.unpack_from("<I", directory, 0x10)
    first, last = struct.unpack_from("<ii", directory, 0x20)
    names = {}
    chunk = first
    seen = set()
    while chunk != -1:
        if chunk in seen or chunk < 0:
            raise ValueError(f"{path}: directory chunks form a loop")
        seen.add(chunk)
        start = header_length + chunk * chunk_size
        block = directory[start:start + chunk_size]
        if len(block) != chunk_size or block[:4] != b"PMGL":
            raise ValueError(f"{path}: listing chunk {chunk} is damaged")
        free_space, _, _, next_chunk = struct.unpack_from("<IIii", block, 4)
        pos, end = 0x14, chunk_size - free_space
        while pos < end:
            length, pos = read_encint(block, pos)
            name = block[pos:pos + length].decode("utf-8")
            pos += length
            for _ in range(2):  # content section, offset
                _, pos = read_encint(block, pos)
            names[name], pos = read_encint(block, pos)
        if chunk == last:
            break
        chunk = next_chunk
    return names


def program_pages(source_dir):
    """{page: [where it is asked for]} from the program's sources."""
    pages = {}
    for folder in PROGRAM_FOLDERS:
        top = os.path.join(source_dir, folder)
        for dirpath, _, files in os.walk(top):
            for name in sorted(files):
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(dirpath, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        for page in PAGE_LITERAL.findall(line):
                            where = f"{os.path.relpath(path, source_dir)}:{number}"
                            pages.setdefault(page, []).append(where)
    return pages


def main():
    chm, source_dir = sys.argv[1], sys.argv[2]
    in_chm = chm_names(chm)
    pages = program_pages(source_dir)
    if not pages:
        print("no help pages found in the sources: the search is broken")
        return 1
    missing = 0
    for page, places in sorted(pages.items()):
        name = "/html/" + page
        if in_chm.get(name, 0) > 0:
            print(f"ok       {page}")
            continue
        missing += 1
        near = [n for n in in_chm if n.lower() == name.lower()]
        hint = f" (the file has {near[0]!r})" if near else ""
        print(f"MISSING  {page}{hint}, asked for at {', '.join(places)}")
    print(f"{len(pages) - missing} of {len(pages)} pages found in {chm}")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
