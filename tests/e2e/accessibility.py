"""Drives the program as a screen reader user would, through AT-SPI and key events only.

Every window is opened from the launcher with Tab, the arrows and Enter, and its accessible tree
must name every control that takes the focus and give none the filler role. The launcher's
picture must look the same under a dark desktop palette as under the light one.
"""
import os
import shutil
import subprocess
import sys
import time

import pyatspi

program, example_game, work = sys.argv[1:]
failures = []


def fail(message):
    failures.append(message)
    print("accessibility: " + message, file=sys.stderr)


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit("accessibility: gave up waiting for " + what)


def start(name, **environment):
    game = os.path.join(work, name, "Orvanthe")
    shutil.copytree(example_game, game)
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, name, "config"),
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **environment)
    return subprocess.Popen([program], cwd=game, env=env)


def fresh(node):
    """The node with what libatspi cached of it and below dropped: without a running main loop it
    does not hear of applications and windows that come later, so each look asks the bus anew."""
    node.clearCache()
    return node


def application(process):
    def find():
        for app in fresh(pyatspi.Registry.getDesktop(0)):
            try:
                if app is not None and app.get_process_id() == process.pid:
                    return app
            except Exception:  # an application that has just left the bus
                pass
    return wait_for("the program on the accessibility bus", find)


def showing_window(app, caption):
    def find():
        for window in fresh(app):
            if window is not None and window.name == caption and \
                    window.getState().contains(pyatspi.STATE_SHOWING):
                return window
    return wait_for('the window "%s"' % caption, find)


def x_window(caption):
    return subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % caption],
                          check=True, capture_output=True, text=True, timeout=30).stdout.split()[0]


def keys(caption, *names):
    """Gives the window the keyboard, as a window manager would, and presses the keys."""
    subprocess.run(["xdotool", "windowfocus", "--sync", x_window(caption)], check=True)
    for name in names:
        subprocess.run(["xdotool", "key", "--delay", "50", name], check=True)


def check_tree(window, expected=frozenset()):
    """Checks the window's role and its focusable controls, among them the expected names, which
    a window just shown may give the bus a moment after itself; returns their names."""
    if window.getRole() not in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW, pyatspi.ROLE_ALERT):
        fail('the window "%s" has the role %s' % (window.name, window.getRoleName()))

    def walk(node, path, names, problems):
        for child in node:
            if child is None:
                continue
            here = path + " > " + child.getRoleName()
            if child.getState().contains(pyatspi.STATE_FOCUSABLE):
                names.add(child.name)
                if not child.name:
                    problems.append("a focusable control has no name: " + here)
                if child.getRole() == pyatspi.ROLE_FILLER:
                    problems.append("a focusable control is a filler: " + here)
            walk(child, here, names, problems)

    deadline = time.monotonic() + 30
    while True:
        names, problems = set(), []
        walk(fresh(window), '"%s"' % window.name, names, problems)
        if expected <= names or time.monotonic() > deadline:
            break
        time.sleep(0.1)
    for problem in problems:
        fail(problem)
    if not expected <= names:
        fail("no controls named %s" % sorted(expected - names))
    return names


def opens(app, caption, *keys_in_launcher, close="Escape", expected=frozenset()):
    """Presses the keys in the launcher, checks the window that appears (with the expected names)
    and closes it."""
    keys("Orvanthe Editor", *keys_in_launcher)
    check_tree(showing_window(app, caption), expected)
    if close:
        keys(caption, close)


editor = start("keyboard")
app = application(editor)
check_tree(showing_window(app, " Select Vantrax Folder"), {"Vantrax folder", "Select Mod"})
keys(" Select Vantrax Folder", "Return")
launcher = showing_window(app, "Orvanthe Editor")
check_tree(launcher)
entries = [child.name for child in launcher if child.getRole() == pyatspi.ROLE_PUSH_BUTTON]
if entries != ["Change Bot Names", "Change Bot Strategies", "Change Max Bots", "Remove intro", "Score Editor",
               "Tweak Editor", "Forum", "Change mod / Vantrax path", "Exit", "About"]:
    fail("the launcher's buttons are %s" % entries)

# The launcher keeps its focus on the entry last used; each step moves it on by one.
opens(app, "Change Bot Names", "Return", expected={"Change Bot Names"})
opens(app, "Bot Strategie editor", "Tab", "Return",
      expected={"Attack Enemy Base aggression", "Attack Enemy Base attack", "Attack Enemy Base defence"})
opens(app, "Orvanthe Bot Changer", "Down", "Return", expected={"Selected bots"})
opens(app, "Remove Intro", "Right", "Return")
opens(app, "Score Editor", "Tab", "Return", expected={"Kill", "Teamkill", "Repair"})
opens(app, "Tweak Editor", "Down", "Return", close=None)
# Alt+F opens the File menu and types nothing into the text.
keys("Tweak Editor", "alt+f", "Escape")
text = pyatspi.findDescendant(showing_window(app, "Tweak Editor"),
                              lambda node: node.getRole() == pyatspi.ROLE_TEXT and node.name == "Tweak Editor")
if not text.queryText().getText(0, -1).startswith("Tweak files can be found"):
    fail("Alt+F changed the tweak editor's text")
keys("Tweak Editor", "alt+f", "p")
check_tree(showing_window(app, "Restore Previous Version"))
keys("Restore Previous Version", "Escape")
# The Edit and View menus name every item; Go to Line asks for a named number; the line-number
# margin tells the caret's line.
tweak = fresh(showing_window(app, "Tweak Editor"))
bar = pyatspi.findDescendant(tweak, lambda node: node.getRole() == pyatspi.ROLE_MENU_BAR)
menus = {menu.name: [(item.name, item.getState().contains(pyatspi.STATE_CHECKED)) for item in menu[0]
                     if item.getRole() != pyatspi.ROLE_SEPARATOR] for menu in bar}
if [name for name, _ in menus.get("Edit", [])] != ["Undo", "Redo", "Cut", "Copy", "Paste", "Select All", "Search",
                                                   "Find Next", "Go to Line..."]:
    fail("the Edit menu holds %s" % menus.get("Edit"))
if menus.get("View") != [("Syntax Colours", True), ("Line Numbers", True), ("Wrap Long Lines", False)]:
    fail("the View menu holds %s" % menus.get("View"))
keys("Tweak Editor", "ctrl+g")
check_tree(showing_window(app, "Go to Line"), {"Line number"})
keys("Go to Line", "Escape")
margin = pyatspi.findDescendant(fresh(showing_window(app, "Tweak Editor")), lambda node: node.name == "Line numbers")
if margin is None or margin.description != "Line 1 of 1":
    fail("the line-number margin tells %s" % (margin and margin.description))
# The find window takes what is typed; Tab reaches the options at the selected one (Tweak), the
# arrows choose Score, which opens the score module.
keys("Tweak Editor", "ctrl+f")
check_tree(showing_window(app, " Search"), {"Search text"})
keys(" Search", "Tab", "Down", "Down", "shift+Tab", "S", "C", "O", "R", "E", "Return")
check_tree(showing_window(app, "Score Editor"))
# The find window now belongs to the editor it searched, and would go with it: it closes first.
for caption in (" Search", "Score Editor", "Tweak Editor"):
    keys(caption, "Escape")
opens(app, "Editor Info", "Down", "Return", close=None)
opens(app, " Select Vantrax Folder", "Down", "Return", close="Return")
opens(app, "Vantrax Editor", "Tab", "Return")
opens(app, "About", "Tab", "Return", close=None)
check_tree(showing_window(app, "Form3"))
keys("About", "Escape")
editor.terminate()
editor.wait()


def launcher_picture(name, **environment):
    process = start(name, **environment)
    keys(" Select Vantrax Folder", "Return")
    showing_window(application(process), "Orvanthe Editor")
    picture = os.path.join(work, name + ".png")
    subprocess.run(["import", "-window", x_window("Orvanthe Editor"), picture], check=True)
    process.terminate()
    process.wait()
    return picture


# A desktop with a dark palette (qt6ct's "darker" scheme) changes nothing on the picture.
dark = os.path.join(work, "dark", "config", "qt6ct")
os.makedirs(dark)
with open(os.path.join(dark, "qt6ct.conf"), "w") as conf:
    conf.write("[Appearance]\ncustom_palette=true\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\n")
compared = subprocess.run(["compare", "-metric", "AE", launcher_picture("light"),
                           launcher_picture("dark", QT_QPA_PLATFORMTHEME="qt6ct"), "null:"],
                          capture_output=True, text=True)
if compared.returncode != 0:
    fail("under a dark palette %s pixels of the launcher differ" % compared.stderr.strip())

if failures:
    sys.exit(1)
print("accessibility: every window reached by keyboard; every focusable control named")
