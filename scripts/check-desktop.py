#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Uses Quorrel as a new user would, on a real display, through the
accessibility bus (what a screen reader sees and does):

first start: the splash, then the transparency question; "No" gives the
launcher; "All Files" opens the All Files window with the focus in its
name field, and it finds the three matching files of a folder made for it;
closing it returns to the launcher; "Exit" ends the program with status 0.
Then, started with a folder: "Select Action" opens and "Cancel" ends the
program with status 0; choosing office documents there opens that search,
and closing it ends the program.

On X11, with the keys a user presses (xdotool): Down in the name field
moves to the rows, and Ctrl+C on the rows selected puts their paths and
file URIs on the clipboard (read back with xclip); the Menu key opens the
list's menu, whose "Open Containing Folder" asks a file manager on the
session bus (a stand-in this script serves) to show the file's URI.

On X11, xprop checks what the window manager is told: the launcher, "Select
Action" and a search window opened from it are main windows (type NORMAL, no
transient parent), the launcher frameless; a search window opened from the
launcher is the launcher's dialog; each shows the program's icon (_NET_WM_ICON).

On Wayland the windows cannot be blended: there the question is answered
"Yes", and no window may show an error box for it.

On X11, once more under KDE's Breeze Dark colours (a kdeglobals read by
Qt's own KDE theme, XDG_CURRENT_DESKTOP=KDE): a message box turns dark, which
shows the theme is in force, while in the question, the launcher and the All
Files window every label, button, option and field keeps a contrast of at
least 4.5:1 with what is behind it. The contrast is read from a screenshot
(xwd) at the places the accessibility bus gives, since only the pixels show
what a user sees: the text's most distant colour against the commonest one.

Run by scripts/check-desktop.sh, which starts the display and the session bus.
  python3 check-desktop.py QUORREL x11|wayland
"""
import collections
import os
import re
import struct
import subprocess
import sys
import tempfile
import time
import urllib.parse

import pyatspi

DEBUG = bool(os.environ.get("CHECK_DEBUG"))
ERROR_BOX = "Technical Software Error!"


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


def shown(name):
    """The showing window of that name; no window may show an error box."""
    hit = None
    for w in app_windows():
        if w is not None and w.name in (name, ERROR_BOX) and showing(w):
            if w.name == ERROR_BOX:
                sys.exit(f"FAILED: an error box shows: {find(w, None, pyatspi.ROLE_LABEL).name!r}")
            hit = w
    return hit


def wait_window(name, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        window = shown(name)
        if window is not None:
            return window
        time.sleep(0.1)
    sys.exit(f"FAILED: no window named {name!r} (showing: {[w.name for w in app_windows() if w]})")


def settle():
    """Until no busy window ("Process") shows."""
    deadline = time.time() + 30
    while shown("Process") is not None:
        if time.time() > deadline:
            sys.exit("FAILED: the busy window does not close")
        time.sleep(0.1)


def find(node, name, role):
    if node is None:
        return None
    if (name is None or node.name == name) and node.getRole() == role:
        return node
    for i in range(node.childCount):
        hit = find(node.getChildAtIndex(i), name, role)
        if hit is not None:
            return hit
    return None


def press(window, name, role=pyatspi.ROLE_PUSH_BUTTON):
    button = find(window, name, role)
    if button is None:
        sys.exit(f"FAILED: no button {name!r} in {window.name!r}")
    action = button.queryAction()
    if DEBUG:
        print("actions of", name, [action.getName(i) for i in range(action.nActions)], flush=True)
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def type_into(window, name, role, text):
    field = find(window, name, role)
    if field is not None and role != pyatspi.ROLE_TEXT:
        field = find(field, None, pyatspi.ROLE_TEXT)  # an editable list's own field
    if field is None:
        sys.exit(f"FAILED: no field {name!r} in {window.name!r}")
    field.queryEditableText().setTextContents(text)


def wait_label(window, text, seconds=30):
    deadline = time.time() + seconds
    while find(window, text, pyatspi.ROLE_LABEL) is None:
        if time.time() > deadline:
            sys.exit(f"FAILED: {window.name!r} never shows {text!r}")
        time.sleep(0.1)


def ended_with_zero(program, what):
    status = program.wait(timeout=20)
    if status != 0:
        sys.exit(f"FAILED: {what} ended the program with status {status}")


passed = 0


def step(text):
    global passed
    passed += 1
    print(f"ok: {text}", flush=True)


def run(command):
    return subprocess.run(command, capture_output=True, text=True, check=True).stdout


def x_window(name):
    """The id of the mapped X window of that name."""
    for line in run(["xwininfo", "-root", "-children"]).splitlines():
        match = re.match(r'\s*(0x[0-9a-f]+) "(.*)":', line)
        if match and match.group(2) == name and "IsViewable" in run(["xwininfo", "-id", match.group(1)]):
            return match.group(1)
    sys.exit(f"FAILED: no mapped X window named {name!r}")


def check_kind(name, frameless, dialog_of=None):
    """What xprop reads of the window: a main window is NORMAL with no
    transient parent; a dialog is a DIALOG transient for its window."""
    window = x_window(name)
    text = run(["xprop", "-id", window, "_NET_WM_WINDOW_TYPE", "WM_TRANSIENT_FOR", "_MOTIF_WM_HINTS"])
    if DEBUG:
        print(text, end="", flush=True)
    types = re.search(r"_NET_WM_WINDOW_TYPE\(ATOM\) = (.*)", text)
    types = types.group(1).split(", ") if types else []
    transient = re.search(r"WM_TRANSIENT_FOR\(WINDOW\): window id # (0x[0-9a-f]+)", text)
    transient = transient.group(1) if transient else None
    hints = re.search(r"_MOTIF_WM_HINTS\(_MOTIF_WM_HINTS\) = (.*)", text)
    hints = [int(v, 16) for v in hints.group(1).split(", ")] if hints else [0, 0, 0]
    kind = "_NET_WM_WINDOW_TYPE_DIALOG" if dialog_of else "_NET_WM_WINDOW_TYPE_NORMAL"
    other = "_NET_WM_WINDOW_TYPE_NORMAL" if dialog_of else "_NET_WM_WINDOW_TYPE_DIALOG"
    parent = x_window(dialog_of) if dialog_of else None
    # Qt names NORMAL after a frameless window's own type, as a fallback: of
    # the two, the first named is the window's.
    if kind not in types or other in types[: types.index(kind)] or transient != parent:
        sys.exit(f"FAILED: {name!r} is of type {types}, transient for {transient} (wanted {kind}, {parent})")
    if frameless != bool(hints[0] & 2 and hints[2] == 0):  # MWM_HINTS_DECORATIONS, no decorations
        sys.exit(f"FAILED: {name!r} has decoration hints {hints}")
    if "_NET_WM_ICON(CARDINAL)" not in run(["xprop", "-id", window, "-len", "8", "_NET_WM_ICON"]):
        sys.exit(f"FAILED: {name!r} shows no icon to the window manager")
    what = f"a dialog of {dialog_of!r}" if dialog_of else "a main window"
    step(f"xprop: {name!r} is {what} ({kind}, WM_TRANSIENT_FOR {transient}){', frameless' if frameless else ''}"
         ", with the program's icon")


def matching_tree(top):
    """Three files whose names hold "probe", at three depths, and one that does not."""
    os.makedirs(os.path.join(top, "sub", "deeper"))
    for name in ("probe-one.txt", "sub/PROBE two", "sub/deeper/a probe", "sub/other.txt"):
        open(os.path.join(top, name), "w").close()
    return top


def serve_file_manager(log):
    """Answers org.freedesktop.FileManager1.ShowItems, writing the URIs asked for to log."""
    import dbus.service
    from dbus.mainloop.glib import DBusGMainLoop
    from gi.repository import GLib

    class FileManager(dbus.service.Object):
        @dbus.service.method("org.freedesktop.FileManager1", in_signature="ass", out_signature="")
        def ShowItems(self, uris, startup_id):
            with open(log, "w") as out:
                out.write("\n".join(uris))

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName("org.freedesktop.FileManager1", bus)  # noqa: F841 (held while serving)
    FileManager(bus, "/org/freedesktop/FileManager1")
    GLib.MainLoop().run()


def wait_for(what, test, seconds=20):
    deadline = time.time() + seconds
    while not test():
        if time.time() > deadline:
            sys.exit(f"FAILED: {what}")
        time.sleep(0.1)


def clipboard(kind):
    """The clipboard's bytes of that kind, line ends as they are."""
    got = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", kind], capture_output=True)
    return got.stdout.decode("utf-8", "replace")


def result_actions(search, top):
    """All three rows copied with Ctrl+C, then the first one's folder opened from its menu."""
    files = [os.path.join(top, name) for name in ("probe-one.txt", "sub/PROBE two", "sub/deeper/a probe")]
    uris = ["file://" + urllib.parse.quote(path, safe="/") for path in files]
    log = os.path.join(top, "shown")
    manager = subprocess.Popen([sys.executable, __file__, "--file-manager", log])
    run(["xdotool", "windowfocus", "--sync", x_window("All Files")])
    find(search, "Named", pyatspi.ROLE_TEXT).queryComponent().grabFocus()
    run(["xdotool", "key", "Down"])  # to the first row
    table = find(search, "Results", pyatspi.ROLE_TABLE)
    for row in (1, 2):
        table.queryTable().addRowSelection(row)
    run(["xdotool", "key", "ctrl+c"])
    wanted = "\r\n".join(uris) + "\r\n"
    wait_for(f"Ctrl+C put {clipboard('text/uri-list')!r} on the clipboard", lambda: clipboard("text/uri-list") == wanted)
    if clipboard("UTF8_STRING") != "\n".join(files):
        sys.exit(f"FAILED: the clipboard's text is {clipboard('UTF8_STRING')!r}")
    step("Ctrl+C puts the selected rows' paths and file URIs on the clipboard")
    owner = ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
             "org.freedesktop.DBus.GetNameOwner", "string:org.freedesktop.FileManager1"]
    wait_for("no stand-in file manager", lambda: subprocess.run(owner, capture_output=True).returncode == 0)
    # The first row alone, its menu, and "Open Containing &Folder" by its
    # letter: a popup menu is no window's child on the accessibility bus.
    run(["xdotool", "key", "End", "Home", "Menu"])
    time.sleep(0.5)
    run(["xdotool", "key", "f"])
    wait_for("the file manager was not asked to show anything", lambda: os.path.exists(log))
    manager.kill()
    with open(log) as asked:
        shown_uris = asked.read()
    if shown_uris != uris[0]:
        sys.exit(f"FAILED: the file manager was asked to show {shown_uris!r}, not {uris[0]!r}")
    step('the Menu key\'s "Open Containing Folder" asks the file manager to show the file')


BREEZE_DARK = "".join(
    f"[Colors:{group}]\nBackgroundNormal={back}\nForegroundNormal=239,240,241\n"
    for group, back in (("Window", "49,54,59"), ("Button", "49,54,59"), ("View", "35,38,41"),
                        ("Selection", "61,174,233"), ("Tooltip", "49,54,59")))


def screenshot():
    """The screen from xwd: a function of (x, y) giving (r, g, b)."""
    data = subprocess.run(["xwd", "-root", "-silent"], capture_output=True, check=True).stdout
    f = struct.unpack(">25I", data[:100])
    start, order, line, masks = f[0] + 12 * f[19], "little" if f[7] == 0 else "big", f[12], f[14:17]
    step_bytes = f[11] // 8

    def pixel(x, y):
        at = start + y * line + x * step_bytes
        value = int.from_bytes(data[at:at + step_bytes], order)
        return tuple((value & m) >> ((m & -m).bit_length() - 1) for m in masks)
    return pixel


def luminance(rgb):
    linear = [c / 255 / 12.92 if c / 255 <= 0.04045 else ((c / 255 + 0.055) / 1.055) ** 2.4 for c in rgb]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2] + 0.05


def colours(node, pixel):
    """The commonest colour at the node's place, and the colour most unlike it."""
    x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if node.getRole() in (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON):
        x, w = x + h, w - h  # the caption, not the box before it
    seen = collections.Counter(pixel(i, j) for i in range(max(x, 0), x + w) for j in range(max(y, 0), y + h))
    if not seen:
        return None, None
    back = seen.most_common(1)[0][0]
    return back, max(seen, key=lambda c: max(luminance(c), luminance(back)) / min(luminance(c), luminance(back)))


def readable(window):
    """Every label, button, option and field with text stands out from what is behind it by 4.5:1."""
    settle()
    time.sleep(0.5)  # drawn
    pixel, checked = screenshot(), 0
    roles = (pyatspi.ROLE_LABEL, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON)
    nodes = [window]
    while nodes:
        node = nodes.pop()
        nodes += [node.getChildAtIndex(i) for i in range(node.childCount)]
        role = node.getRole()
        if not (role in roles and node.name or role == pyatspi.ROLE_TEXT and node.queryText().characterCount):
            continue
        back, text = colours(node, pixel)
        if back is None:
            continue
        ratio = max(luminance(text), luminance(back)) / min(luminance(text), luminance(back))
        if ratio < 4.5:
            sys.exit(f"FAILED: in {window.name!r}, {node.name!r} is {text} on {back}: contrast {ratio:.2f}:1")
        checked += 1
    if checked < 3:
        sys.exit(f"FAILED: only {checked} readable controls found in {window.name!r}")
    step(f"under a dark theme, the {checked} labels, buttons and fields of {window.name!r} read at 4.5:1 or more")


def dark_theme(quorrel, env):
    with tempfile.TemporaryDirectory() as config:
        with open(os.path.join(config, "kdeglobals"), "w") as out:
            out.write(BREEZE_DARK)
        env = dict(env, XDG_CONFIG_HOME=config, XDG_CURRENT_DESKTOP="KDE", KDE_SESSION_VERSION="5")
        program = subprocess.Popen([quorrel], env=env)
        question = wait_window("Transperancy")
        readable(question)
        press(question, "Yes")
        warning = wait_window("Quorrel 2.0")
        settle()
        back, _ = colours(warning, screenshot())
        if luminance(back) > 0.2:
            sys.exit(f"FAILED: the dark theme is not in force: a message box is {back}")
        step(f"under a dark theme, a message box follows it ({back})")
        press(warning, "No")
        launcher = wait_window("Quorrel")
        readable(launcher)
        press(launcher, "All Files")
        search = wait_window("All Files")
        type_into(search, "Named", pyatspi.ROLE_TEXT, "probe")
        readable(search)
        press(search, "Close")
        time.sleep(1.0)
        press(wait_window("Quorrel"), "Exit")
        ended_with_zero(program, "Exit")


def first_start(quorrel, env, x11, folder):
    program = subprocess.Popen([quorrel], env=env)
    wait_window("Quorrel")
    step("the splash shows")
    question = wait_window("Transperancy")
    step("then the transparency question")
    if x11:
        press(question, "No")
    else:
        press(question, "Yes")
        press(wait_window("Quorrel 2.0"), "Yes")  # the warning that transparency costs speed
    launcher = wait_window("Quorrel")
    if find(launcher, "All Files", pyatspi.ROLE_PUSH_BUTTON) is None:
        sys.exit("FAILED: the launcher has no All Files button")
    settle()
    step('"No" gives the launcher' if x11 else '"Yes" gives the launcher, with no error box')
    if x11:
        check_kind("Quorrel", frameless=True)
    press(launcher, "All Files")
    search = wait_window("All Files")
    settle()
    step('"All Files" opens the All Files window')
    named = find(search, "Named", pyatspi.ROLE_TEXT)
    wait_for("the name field does not have the focus", lambda: named.getState().contains(pyatspi.STATE_FOCUSED))
    step("typing goes to its name field")
    if x11:
        check_kind("All Files", frameless=True, dialog_of="Quorrel")
    type_into(search, "Named", pyatspi.ROLE_TEXT, "probe")
    type_into(search, None, pyatspi.ROLE_COMBO_BOX, matching_tree(folder))  # the location: named by its text
    press(search, "Find Now!")
    wait_label(search, "3 File(s) Found!")
    step("a search finds the three matching files")
    if x11:
        result_actions(search, folder)
    press(search, "Close")
    time.sleep(1.0)
    launcher = wait_window("Quorrel")
    step("closing it returns to the launcher")
    press(launcher, "Exit")
    ended_with_zero(program, "Exit")
    step('"Exit" ends the program with status 0')


def started_with_folder(quorrel, env, x11):
    program = subprocess.Popen([quorrel, "/usr/share/doc"], env=env)
    press(wait_window("Transperancy"), "No")
    select = wait_window("Select Action")
    step('started with a folder, "Select Action" opens')
    if x11:
        check_kind("Select Action", frameless=False)
    press(select, "Cancel")
    ended_with_zero(program, "Cancel")
    step('"Cancel" ends the program with status 0')

    program = subprocess.Popen([quorrel, "/usr/share/doc"], env=env)
    press(wait_window("Transperancy"), "No")
    wait_window("Select Action")
    # Selecting the option opens the search inside the option's own action,
    # which answers only once that window has closed: another process asks.
    chooser = subprocess.Popen([sys.executable, __file__, "--choose", "Search Office Documents"])
    search = wait_window("Search Office Documents...")
    settle()
    step("choosing office documents opens that search")
    if x11:
        check_kind("Search Office Documents...", frameless=True)
    press(search, "Close")
    ended_with_zero(program, "Closing it")
    chooser.wait(timeout=30)
    step("closing it ends the program with status 0")


def main():
    quorrel, x11 = sys.argv[1], sys.argv[2] == "x11"
    with tempfile.TemporaryDirectory() as config, tempfile.TemporaryDirectory() as folder:
        env = dict(os.environ, XDG_CONFIG_HOME=config, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        first_start(quorrel, env, x11, folder)
        started_with_folder(quorrel, env, x11)
        if x11:
            dark_theme(quorrel, env)
    print(f"{passed} passed, 0 failed")


if sys.argv[1] == "--file-manager":
    serve_file_manager(sys.argv[2])
elif sys.argv[1] == "--choose":
    press(wait_window("Select Action"), sys.argv[2], pyatspi.ROLE_RADIO_BUTTON)
else:
    main()
