#!/usr/bin/python3
"""Checks with the MinGW binutils that a rebuild keeps what they read.

For each unstripped PE32 file: string block 1 is replaced by a much larger
one (the resource section grows and every section after it moves), then
nm, objdump -h, objdump -p and objdump --dwarf must read the rebuilt file as
they read the source: every symbol with its type (an uninitialised-data
symbol stays "b"), at its address or moved by the growth when its section
followed the resources; every section name, long names included; the
build-id debug record; the DWARF information. Exit status 0 when every file
passes.
"""

import argparse
import os
import re
import subprocess
import sys


def run(command):
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(command)} failed: {result.stderr.strip()}")
    return result.stdout


def sections(args, path):
    """(name, vma, file offset, flags) per section, from objdump -h."""
    lines = run([args.objdump, "-h", path]).splitlines()
    found = []
    for i, line in enumerate(lines):
        m = re.match(r"\s*\d+\s+(\S+)\s+([0-9a-f]+)\s+([0-9a-f]+)\s+[0-9a-f]+\s+([0-9a-f]+)", line)
        if m:
            flags = lines[i + 1].strip() if i + 1 < len(lines) else ""
            found.append((m.group(1), int(m.group(3), 16), int(m.group(4), 16), flags))
    return found


def symbols(args, path):
    result = []
    for line in run([args.nm, "--defined-only", path]).splitlines():
        parts = line.split()
        if len(parts) == 3:
            result.append((int(parts[0], 16), parts[1], parts[2]))
    return result


def debug_records(args, path):
    """The debug directory's records: type and size, and the CodeView
    signature line (where the record lies may move)."""
    lines = run([args.objdump, "-p", path]).splitlines()
    start = next((i for i, line in enumerate(lines) if line.startswith("Type ") and
                  "Offset" in line), None)
    if start is None:
        return []
    records = []
    for line in lines[start + 1:]:
        parts = line.split()
        if not parts:
            break
        records.append(" ".join(parts[:3]) if parts[0].isdigit() else line.strip())
    return records


def dwarf(args, path):
    text = run([args.objdump, "--dwarf=info,abbrev,line", path])
    return text.split("\n", 2)[-1]  # the first lines name the file


def string_block(count, length):
    data = bytearray()
    for i in range(16):
        text = ("grown %d " % i * length)[:length] if i < count else ""
        data += len(text).to_bytes(2, "little") + text.encode("utf-16-le")
    return bytes(data)


def check(args, path):
    base = os.path.basename(path)
    block = os.path.join(args.work, base + ".block")
    out = os.path.join(args.work, base)
    with open(block, "wb") as f:
        f.write(string_block(4, 2000))
    run([args.cli, "replace", path, out, "6", "1", block, "--checksum"])

    before, after = sections(args, path), sections(args, out)
    if [s[0] for s in before] != [s[0] for s in after]:
        raise AssertionError(f"section names differ: {[s[0] for s in after]}")
    rsrc = [s[0] for s in before].index(".rsrc")
    if rsrc + 1 >= len(before):
        raise AssertionError("the file needs sections after .rsrc")
    growth = after[rsrc + 1][1] - before[rsrc + 1][1]
    if growth <= 0:
        raise AssertionError("the resource section did not grow")
    for old, new in zip(before, after):
        if old[3] != new[3]:
            raise AssertionError(f"{old[0]}: flags {old[3]!r} became {new[3]!r}")
        if "CONTENTS" not in old[3] and new[2] != old[2]:
            raise AssertionError(f"{old[0]}: a section without contents got file offset {new[2]:#x}")
    moved_from = before[rsrc + 1][1]

    old_symbols, new_symbols = symbols(args, path), symbols(args, out)
    if len(old_symbols) != len(new_symbols) or not old_symbols:
        raise AssertionError(f"{len(old_symbols)} symbols became {len(new_symbols)}")
    for (address, kind, name), (new_address, new_kind, new_name) in zip(old_symbols, new_symbols):
        expected = address + growth if address >= moved_from else address
        if (kind, name, expected) != (new_kind, new_name, new_address):
            raise AssertionError(f"symbol {kind} {name} at {address:#x} became "
                                 f"{new_kind} {new_name} at {new_address:#x}")
    if not any(kind == "b" for _, kind, _ in new_symbols):
        raise AssertionError("no uninitialised-data symbol is left")

    records = debug_records(args, path)
    if not records or records != debug_records(args, out):
        raise AssertionError(f"debug records {records} became {debug_records(args, out)}")
    if dwarf(args, path) != dwarf(args, out):
        raise AssertionError("objdump reads other DWARF information")
    strings = run([args.cli, "strings", out, "1"]).splitlines()
    if not strings[0].endswith("\t" + ("grown 0 " * 2000)[:2000]):
        raise AssertionError("the grown string block does not read back")
    print(f"ok {base}: {len(new_symbols)} symbols, {len(after)} sections, "
          f"grown by {growth:#x}, debug record kept")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--nm", default="i686-w64-mingw32-nm")
    parser.add_argument("--objdump", default="i686-w64-mingw32-objdump")
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    failed = 0
    for path in args.files:
        try:
            check(args, path)
        except AssertionError as error:
            failed += 1
            print(f"FAIL {path}: {error}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
