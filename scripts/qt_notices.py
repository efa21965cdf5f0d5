#!/usr/bin/env python3
"""The notices of the code compiled into Qt for Windows.

Qt keeps a qt_attribution.json beside each piece of code it took from
elsewhere, in src/3rdparty and outside it. An attribution applies when a file
it names (its Path or Files, or else its folder) is among those that the
compiler read, as ninja recorded them for the libraries that ship.
Qt's own code in its static libraries (the entry point) is linked into the
program itself, where no LGPL covers it: for each member of each, the
copyright and licence lines of the source it was compiled from, with those
licences' texts, so that the program's build can take the members it links.
Usage: qt_notices.py QT-SOURCE QT-BUILD COMPILED-FILES LICENSES STATIC-NOTICES
Writes LICENSES/NOTICES.txt and, in LICENSES/<Id>/, the licence files each
names; STATIC-NOTICES/<archive>/<member>.txt.
"""
import json
import os
import re
import shutil
import subprocess
import sys


def attributions(source):
    for folder, _, files in os.walk(os.path.join(source, "src")):
        if "qt_attribution.json" in files:
            with open(os.path.join(folder, "qt_attribution.json"), encoding="utf-8") as text:
                # Qt's files hold line breaks inside strings.
                entries = json.loads(text.read(), strict=False)
            for entry in entries if isinstance(entries, list) else [entries]:
                yield folder, entry


def applies(folder, entry, compiled):
    if "Path" in entry:
        named = [os.path.normpath(os.path.join(folder, entry["Path"]))]
    elif "Files" in entry:
        named = [os.path.normpath(os.path.join(folder, name)) for name in entry["Files"].split()]
    else:
        named = [folder]
    return any(path == name or path.startswith(name + os.sep) for name in named for path in compiled)


def ninja(build, *tool):
    return subprocess.run(["ninja", "-C", build, "-t", *tool], capture_output=True, text=True,
                          check=True).stdout.splitlines()


def static_notices(source, build, output):
    for line in ninja(build, "targets", "all"):
        archive, _, rule = line.partition(": ")
        if not re.match(r"CX*_STATIC_LIBRARY_LINKER", rule):
            continue
        folder = os.path.join(output, os.path.basename(archive))
        # A folder for every static library, so that a linked member without
        # a notice is seen as one.
        os.makedirs(folder, exist_ok=True)
        query = ninja(build, "query", archive)
        inputs = query[query.index("  input: " + rule) + 1:query.index("  outputs:")]
        for member in (entry.strip() for entry in inputs if entry.strip().endswith((".o", ".obj"))):
            read = ninja(build, "deps", member)[1:2]  # the source the object was compiled from
            if not read:
                continue
            compiled = os.path.realpath(os.path.join(build, read[0].strip()))
            with open(compiled, encoding="utf-8", errors="replace") as text:
                head = [line.strip(" /*#\n") for line in text.readlines()[:20]]
            spdx = [line for line in head if line.startswith("SPDX-License-Identifier:")]
            if not spdx:
                continue
            ids = re.findall(r"[\w.+-]+", spdx[0].partition(":")[2])
            texts = [os.path.join(source, "LICENSES", f"{id}.txt") for id in ids]
            with open(os.path.join(folder, os.path.basename(member) + ".txt"), "w", encoding="utf-8") as notice:
                notice.write("\n".join([os.path.relpath(compiled, source)]
                                       + [line for line in head if "Copyright" in line] + spdx) + "\n")
                for licence in filter(os.path.exists, texts):
                    with open(licence, encoding="utf-8") as text:
                        notice.write(f"\n{os.path.basename(licence)}:\n{text.read()}")


def main(source, build, compiled_list, output, static_output):
    source = os.path.realpath(source)
    with open(compiled_list, encoding="utf-8") as lines:
        compiled = {os.path.realpath(line.strip()) for line in lines if line.strip()}
    os.makedirs(output, exist_ok=True)
    notices = []
    for folder, entry in sorted(attributions(source), key=lambda found: found[1]["Id"]):
        if not applies(folder, entry, compiled):
            continue
        files = entry.get("LicenseFiles", [entry["LicenseFile"]] if "LicenseFile" in entry else [])
        if "CopyrightFile" in entry:
            files.append(entry["CopyrightFile"])
        os.makedirs(os.path.join(output, entry["Id"]), exist_ok=True)
        for name in files:
            shutil.copy(os.path.join(folder, name), os.path.join(output, entry["Id"]))
        notices.append("\n".join(filter(None, [
            f"{entry['Name']} ({os.path.relpath(folder, source)})",
            entry.get("QtUsage", ""),
            entry.get("Copyright", ""),
            f"License: {entry.get('License', '')} ({entry.get('LicenseId', '')})",
            "License files: " + ", ".join(f"{entry['Id']}/{os.path.basename(name)}" for name in files),
        ])))
    if not notices:
        sys.exit("qt_notices: no attribution matches the compiled files")
    with open(os.path.join(output, "NOTICES.txt"), "w", encoding="utf-8") as text:
        text.write("\n\n".join(notices) + "\n")
    static_notices(source, build, static_output)
    print(f"qt_notices: {len(notices)} attributions")


if __name__ == "__main__":
    main(*sys.argv[1:])
