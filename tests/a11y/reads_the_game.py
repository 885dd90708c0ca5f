"""Reads the running game over the desktop's accessibility bus, as a screen
reader does: the welcome message, the entries of the open "Other" menu, the
status strip, the welcome again in the message log and a line of the terminal's transcript, which tells of its
lines as they come.  Exits 0 when all were
read, 1 naming what was not."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def wait_for(what, find, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        try:
            found = find()
        except Exception:  # a window going away while it is read
            found = None
        if found:
            return found
        time.sleep(0.2)
    print(f"not read: {what}")
    sys.exit(1)


def nodes(root):
    yield root
    for child in root:
        if child is not None:
            yield from nodes(child)


def game():
    return next((app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "Kestrix"), None)


def first(role, test=lambda node: True):
    app = game()
    return app and next((n for n in nodes(app) if n.getRoleName() == role and test(n)), None)


def pump(seconds):
    """Lets the bus deliver what the game tells for a while."""
    loop = GLib.MainLoop()
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()


def key(name):
    """A key pressed on the game's display, as the player's keyboard would."""
    subprocess.run(["xdotool", "key", name], check=True)


def press(node):
    action = node.queryAction()
    action.doAction(next(i for i in range(action.nActions) if action.getName(i) == "Press"))


alert = wait_for("the welcome message",
                 lambda: first("alert", lambda n: n.description.startswith("Welcome to Kestrix.")))
press(wait_for("its Okay", lambda: first("push button", lambda n: n.name == "Okay")))
alias = wait_for("the alias box", lambda: first("text"))
alias.queryEditableText().setTextContents("neo")
press(wait_for("the alias box's OK", lambda: first("push button", lambda n: n.name == "OK")))
wait_for("the status strip", lambda: first("label", lambda n: n.name == "Neo on day 1"))
# A menu is a pop-up outside the window's tree: a reader meets its entries as
# they take the focus, as Orca does.
focused = []
pyatspi.Registry.registerEventListener(lambda event: focused.append(event.source), "focus:")
press(wait_for("Other", lambda: first("push button", lambda n: n.name == "Other" and n.getState().contains(pyatspi.STATE_ENABLED))))
pump(1)
key("Down")  # the first entry takes the focus
end = time.time() + 10
while not any(n.getRoleName().endswith("menu item") for n in focused) and time.time() < end:
    pump(0.2)
entry = next((n for n in focused if n.getRoleName().endswith("menu item")), None)
if entry is None:
    print("not read: an entry of the open menu")
    sys.exit(1)
entries = [child.name for child in entry.parent]
for wanted in ("Sounds", "High Scores", "Messages", "Ledger", "New Game", "Skins", "Size", "Help", "Credits"):
    if wanted not in entries:
        print(f"not read: the menu entry {wanted} among {entries}")
        sys.exit(1)
key("Escape")  # closes the menu
pump(0.5)
key("ctrl+m")  # the message log, its newest message shown whole
wait_for("the logged welcome", lambda: first("text", lambda n: n.getState().contains(pyatspi.STATE_READ_ONLY)
                                             and n.queryText().getText(0, -1).startswith("Welcome to Kestrix.")))
key("Escape")
wait_for("the log closing", lambda: not first("text", lambda n: n.getState().contains(pyatspi.STATE_READ_ONLY)))
inserted = []
pyatspi.Registry.registerEventListener(lambda event: inserted.append(event.any_data), "object:text-changed:insert")
press(wait_for("Connect", lambda: first("push button", lambda n: n.name == "Connect")))
rows = wait_for("the terminal's transcript", lambda: first("text", lambda n: n.getState().contains(pyatspi.STATE_READ_ONLY)))
text = rows.queryText()
wait_for("a line of the transcript", lambda: ">Connecting to " in text.getText(0, -1))
end = time.time() + 10
while not any("?Name" in str(data) for data in inserted) and time.time() < end:
    pump(0.2)
if not any("?Name" in str(data) for data in inserted):
    print(f"not told: the terminal's new lines, only {inserted}")
    sys.exit(1)
print("read: the welcome message, the menu's entries, the status strip, the message log and the terminal's "
      "transcript, its new lines told as they came")
