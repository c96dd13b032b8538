#!/usr/bin/python3
"""Checks quorlo-cli against Python's pefile on PE32 files.

For each file: the resource tree quorlo-cli lists equals the one pefile
reads; our checksum equals pefile's; the file rebuilt with no change and
rebuilt with one resource replaced (checksum written) still reads the same
in pefile, with the new data where it was replaced, a valid checksum and no
new pefile warnings. Exit status 0 when every file passes.
"""

import argparse
import os
import subprocess
import sys

import pefile


def cli(args, command):
    result = subprocess.run([args.cli] + command, capture_output=True, text=True)
    if result.returncode != 0:
        raise AssertionError(f"quorlo-cli {' '.join(command)} failed: {result.stderr.strip()}")
    return result.stdout


def ident(entry):
    if entry.name is not None:
        return '"' + entry.name.decode("utf-16-le") + '"' if isinstance(entry.name, bytes) \
            else '"' + str(entry.name) + '"'
    return str(entry.id)


def pefile_tree(pe):
    """(type, name, language, codepage, size) lines and data, in file order."""
    lines, data = [], []
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return lines, data
    for t in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for n in t.directory.entries:
            for lang in n.directory.entries:
                d = lang.data.struct
                lines.append(f"{ident(t)}\t{ident(n)}\t{lang.id}\t{d.CodePage}\t{d.Size}")
                data.append(pe.get_data(d.OffsetToData, d.Size))
    return lines, data


def cli_tree(args, path):
    return [line for line in cli(args, ["resources", path]).splitlines() if line]


def check_same_tree(args, path, pe):
    ours = cli_tree(args, path)
    theirs, data = pefile_tree(pe)
    if ours != theirs:
        raise AssertionError(f"{path}: trees differ\nquorlo-cli:\n" + "\n".join(ours) +
                             "\npefile:\n" + "\n".join(theirs))
    return theirs, data


def check_checksum(args, path, pe):
    line = cli(args, ["checksum", path]).split()
    ours = int(line[3], 16)
    theirs = pe.generate_checksum()
    if ours != theirs:
        raise AssertionError(f"{path}: checksum 0x{ours:08X}, pefile says 0x{theirs:08X}")


def pick(lines):
    """The entry to replace: a bitmap, else a string block, else the last."""
    for wanted in ("2", "6"):
        for i, line in enumerate(lines):
            if line.split("\t")[0] == wanted:
                return i
    return len(lines) - 1


def unquote(field):
    return field[1:-1] if field.startswith('"') else field


def check_file(args, path):
    name = os.path.basename(path)
    source = pefile.PE(path)
    lines, data = check_same_tree(args, path, source)
    check_checksum(args, path, source)
    source_warnings = set(source.get_warnings())
    source.close()
    if not lines:
        print(f"{name}: no resources; tree and checksum agree")
        return
    i = pick(lines)
    rtype, rname = (unquote(f) for f in lines[i].split("\t")[:2])
    # The first entry of that type and name is the one replaced.
    i = next(k for k, line in enumerate(lines) if [unquote(f) for f in line.split("\t")[:2]] == [rtype, rname])
    extension = os.path.splitext(path)[1]
    blob = os.path.join(args.work, name + ".data")
    with open(blob, "wb") as out:
        out.write(data[i])
    same = os.path.join(args.work, name + ".same" + extension)
    cli(args, ["replace", path, same, rtype, rname, blob])
    replacement = bytes((k * 7 + 3) & 0xFF for k in range(len(data[i]) * 3 + 4099))
    with open(blob, "wb") as out:
        out.write(replacement)
    changed = os.path.join(args.work, name + ".changed" + extension)
    cli(args, ["replace", path, changed, rtype, rname, blob, "--checksum"])

    for rebuilt, expected in ((same, data), (changed, data[:i] + [replacement] + data[i + 1:])):
        pe = pefile.PE(rebuilt)
        new_lines, new_data = check_same_tree(args, rebuilt, pe)
        want = [line if k != i or rebuilt == same else
                "\t".join(line.split("\t")[:4] + [str(len(replacement))])
                for k, line in enumerate(lines)]
        if new_lines != want:
            raise AssertionError(f"{rebuilt}: tree changed:\n" + "\n".join(new_lines))
        if new_data != expected:
            bad = [k for k in range(len(expected)) if new_data[k] != expected[k]]
            raise AssertionError(f"{rebuilt}: data of entries {bad} differ")
        check_checksum(args, rebuilt, pe)
        if rebuilt == changed and not pe.verify_checksum():
            raise AssertionError(f"{rebuilt}: checksum not valid after --checksum")
        # pefile's share-of-zero-bytes heuristic says nothing about structure.
        new_warnings = {w for w in set(pe.get_warnings()) - source_warnings
                        if not w.startswith("Byte 0x00 makes up")}
        if new_warnings:
            raise AssertionError(f"{rebuilt}: new pefile warnings: {sorted(new_warnings)}")
        pe.close()
    print(f"{name}: {len(lines)} resources; tree, data and checksum agree "
          f"(replaced {rtype}/{rname})")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    failed = 0
    for path in args.files:
        try:
            check_file(args, path)
        except (AssertionError, pefile.PEFormatError, StopIteration) as error:
            failed += 1
            print(f"FAIL {path}: {error}")
    print(f"{len(args.files) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
