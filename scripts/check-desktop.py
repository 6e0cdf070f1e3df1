#!/usr/bin/python3
"""Uses Quorrel as a new user would, under a real X display, through the
accessibility bus (what a screen reader sees and does):

first start: the splash, then the transparency question; "No" gives the
launcher; "All Files" opens the All Files window; closing it returns to the
launcher; "Exit" ends the program with status 0. Then, started with a
folder: "Select Action" opens.

Run by scripts/check-desktop.sh, which starts Xvfb and the session bus.
  python3 check-desktop.py QUORREL
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi


def app_windows():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "quorrel":
            return [app.getChildAtIndex(j) for j in range(app.childCount)]
    return []


def showing(window):
    try:
        return window.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def wait_window(name, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for w in app_windows():
            if w is not None and w.name == name and showing(w):
                return w
        time.sleep(0.1)
    sys.exit(f"FAILED: no window named {name!r} (showing: {[w.name for w in app_windows() if w]})")


def find(node, name, role):
    if node is None:
        return None
    if node.name == name and node.getRole() == role:
        return node
    for i in range(node.childCount):
        hit = find(node.getChildAtIndex(i), name, role)
        if hit is not None:
            return hit
    return None


def press(window, name):
    button = find(window, name, pyatspi.ROLE_PUSH_BUTTON)
    if button is None:
        sys.exit(f"FAILED: no button {name!r} in {window.name!r}")
    action = button.queryAction()
    if os.environ.get("CHECK_DEBUG"):
        print("actions of", name, [action.getName(i) for i in range(action.nActions)], flush=True)
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def ended_with_zero(program, what):
    status = program.wait(timeout=20)
    if status != 0:
        sys.exit(f"FAILED: {what} ended the program with status {status}")


def step(text):
    print(f"ok: {text}", flush=True)


def main():
    quorrel = sys.argv[1]
    config = tempfile.mkdtemp()
    env = dict(os.environ, XDG_CONFIG_HOME=config, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([quorrel], env=env)
    wait_window("Quorrel")
    step("the splash shows")
    question = wait_window("Transperancy")
    step("then the transparency question")
    press(question, "No")
    launcher = wait_window("Quorrel")
    if find(launcher, "All Files", pyatspi.ROLE_PUSH_BUTTON) is None:
        sys.exit("FAILED: the launcher has no All Files button")
    step('"No" gives the launcher')
    press(launcher, "All Files")
    search = wait_window("All Files")
    step('"All Files" opens the All Files window')
    press(search, "Close")
    time.sleep(1.0)
    launcher = wait_window("Quorrel")
    step("closing it returns to the launcher")
    press(launcher, "Exit")
    ended_with_zero(program, "Exit")
    step('"Exit" ends the program with status 0')

    program = subprocess.Popen([quorrel, "/usr/share/doc"], env=env)
    press(wait_window("Transperancy"), "No")
    select = wait_window("Select Action")
    step('started with a folder, "Select Action" opens')
    press(select, "Cancel")
    ended_with_zero(program, "Cancel")
    step('"Cancel" ends the program with status 0')
    print("8 passed, 0 failed")


main()
