#!/usr/bin/python3
# What a screen reader learns of this program's windows over AT-SPI: for each
# window a line of its role and name, its size and whether it can be resized,
# after "active" if it has the keyboard; then the text of each of its labels,
# one to a line (CR LF written as \r\n), and each list's name and text.
import pyatspi


def labels(node):
    for child in filter(None, node):
        if child.getRole() == pyatspi.ROLE_LABEL:
            print("label", child.name.replace("\r\n", "\\r\\n"))
        elif child.getRole() == pyatspi.ROLE_COMBO_BOX:  # whose items are no labels
            field = next(part for part in child if part and part.getRole() == pyatspi.ROLE_TEXT)
            print("combo box", child.name, field.queryText().getText(0, -1))
        else:
            labels(child)


for app in pyatspi.Registry.getDesktop(0):
    for window in app if app and app.name == "biorhythm" else []:
        state, (width, height) = window.getState(), window.queryComponent().getSize()
        print("active" if state.contains(pyatspi.STATE_ACTIVE) else "", window.getRoleName(), window.name,
              f"{width}x{height}", "resizable" if state.contains(pyatspi.STATE_RESIZABLE) else "fixed")
        labels(window)
