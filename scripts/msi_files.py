#!/usr/bin/env python3
"""The installers' description of the program's folder, from wixl-heat's.

wixl-heat names folders at random: they are numbered in document order
instead, so that the same folder is described the same way every time. Two
descriptions come of it: files-perMachine.wxs, as it is; and
files-perUser.wxs, for an install into the user's profile, where Windows
Installer keeps each component by a value under HKCU, not by a file (ICE38),
and has it remove each folder it made (ICE64).
Usage: msi_files.py OUTPUT-FOLDER <WIXL-HEAT-OUTPUT
"""
import sys
import xml.etree.ElementTree as ET

WIX = "http://schemas.microsoft.com/wix/2006/wi"


def element(name):
    return f"{{{WIX}}}{name}"


def main(output):
    ET.register_namespace("", WIX)
    tree = ET.parse(sys.stdin)
    for number, directory in enumerate(tree.iter(element("Directory")), 1):
        directory.set("Id", f"dir{number}")
    tree.write(f"{output}/files-perMachine.wxs", encoding="utf-8", xml_declaration=True)
    for component in list(tree.iter(element("Component"))):
        for file in component.iter(element("File")):
            file.attrib.pop("KeyPath", None)
        name = component.get("Id")
        ET.SubElement(component, element("RegistryValue"), Root="HKCU", Key=r"Software\Zendrel\Biorhythm\Files",
                      Name=name, Type="integer", Value="1", KeyPath="yes")
        ET.SubElement(component, element("RemoveFolder"), Id=f"Remove{name}", On="uninstall")
    tree.write(f"{output}/files-perUser.wxs", encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(*sys.argv[1:])
