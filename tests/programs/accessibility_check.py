#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts a program and walks its AT-SPI tree as a screen reader would; fails
on a control a reader finds without a name, or with the wrong role.

Usage: accessibility_check.py <program> <application name> [steps...]
A step is "click:<name>" (press the button of that name, then check again)
or "role:<name>=<role>" (the control of that name has that role).
Run under an X server and a private D-Bus session (accessibility_test.sh).
"""
import os
import subprocess
import sys
import time

import pyatspi

# Roles of what a person operates or reads as content: each needs a name.
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_PROGRESS_BAR,
    pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE, pyatspi.ROLE_IMAGE,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER,
}
# Parts Qt adds inside a control (scroll bars, a list's cells) are named by it.
INNER_ROLES = {pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL,
               pyatspi.ROLE_TREE_ITEM, pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_MENU}


def find_application(name, process, deadline):
    """The program's accessible application, once it has shown its window."""
    while time.monotonic() < deadline:
        if process.poll() is not None:
            sys.exit(f"{name} ended with {process.returncode} before showing a window")
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name and app.childCount > 0:
                return app
        # The bus has no event for a new application that this script can
        # wait on before the registry knows it; ask again shortly.
        time.sleep(0.1)
    sys.exit(f"{name} did not appear on the accessibility bus")


def walk(node, path=""):
    for child in node:
        if child is None:
            continue
        here = f"{path}/{child.getRoleName()}:{child.name!r}"
        yield child, here
        if child.getRole() not in INNER_ROLES:
            yield from walk(child, here)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def unnamed_controls(app):
    faults = []
    for node, path in walk(app):
        if node.getRole() in NAMED_ROLES and showing(node) and not node.name.strip():
            faults.append(path)
    return faults


def find_named(app, name, role=None):
    for node, _ in walk(app):
        if node.name == name and showing(node) and role in (None, node.getRoleName()):
            return node
    return None


def main():
    program, app_name, steps = sys.argv[1], sys.argv[2], sys.argv[3:]
    process = subprocess.Popen([program])
    failures = []
    try:
        app = find_application(app_name, process, time.monotonic() + 30)
        if os.environ.get("ACCESSIBILITY_DUMP"):
            for node, path in walk(app):
                print(path, "showing" if showing(node) else "hidden", file=sys.stderr)
        failures += [f"unnamed: {path}" for path in unnamed_controls(app)]
        for step in steps:
            kind, _, what = step.partition(":")
            if kind == "click":
                node = find_named(app, what)
                if node is None:
                    failures.append(f"no control named {what!r} to press")
                    continue
                node.queryAction().doAction(0)
                failures += [f"unnamed after {what}: {path}" for path in unnamed_controls(app)]
            elif kind == "role":
                name, _, role = what.partition("=")
                if find_named(app, name, role) is None:
                    named = find_named(app, name)
                    got = named.getRoleName() if named else "nothing"
                    failures.append(f"{name!r} is {got}, not {role}")
            elif kind == "name":
                if find_named(app, what) is None:
                    failures.append(f"no control named {what!r}")
    finally:
        process.terminate()
        process.wait(timeout=30)
    for failure in failures:
        print("FAIL", failure, file=sys.stderr)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
