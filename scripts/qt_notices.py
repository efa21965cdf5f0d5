#!/usr/bin/env python3
"""The notices that Qt's attributions give for code compiled into Qt for Windows.

Qt keeps a qt_attribution.json beside each piece of code it took from
elsewhere, in src/3rdparty and outside it. An attribution applies when a file
it names (its Path or Files, or else its folder) is among those that the
compiler read, as ninja recorded them for the libraries that ship.
Usage: qt_notices.py QT-SOURCE COMPILED-FILES OUTPUT
Writes OUTPUT/NOTICES.txt and, in OUTPUT/<Id>/, the licence files each names.
"""
import json
import os
import shutil
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


def main(source, compiled_list, output):
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
    print(f"qt_notices: {len(notices)} attributions")


if __name__ == "__main__":
    main(*sys.argv[1:])
