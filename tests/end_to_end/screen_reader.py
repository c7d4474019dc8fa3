"""Reads the real program as a screen reader does, through AT-SPI: opens the four-up calculator,
types 41 pages and presses the button, all through AT-SPI actions, then checks that the warning
appeared as an alert that announced itself and that its name is its own words, that the output
box reads as the listing `plicora sequenza` writes, a line feed at each line end, that its
characters stand line by line, and that text sizes are reported in points. Runs on the
display in $DISPLAY and the D-Bus session in $DBUS_SESSION_BUS_ADDRESS.

Usage: screen_reader.py PATH_TO_PLICORA
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WARNING = ("Il numero di pagina non \u00e8 multiplo di 4.Bisogna aggiungere al documento alcuni "
           "fogli bianchi")
announced = []


def wait_for(what, find, seconds=15):
    """Runs the event loop until find() gives something, and returns it."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            found = find()
        except Exception:  # the tree changes under us while windows come and go
            found = None
        if found:
            return found
        time.sleep(0.05)
    sys.exit("FAIL: no " + what)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in desktop if app and app.name.lower() == "plicora"), None)


def showing_frame(title="Plicora"):
    """The one Plicora window on screen titled `title`: a frame named after its caption."""
    frames = [w for w in application() if w.getRole() == pyatspi.ROLE_FRAME
              and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING)]
    return frames[0] if len(frames) == 1 else None


def control(role, name, title="Plicora"):
    frame = showing_frame(title)
    return frame and pyatspi.findDescendant(
        frame, lambda o: o.getRole() == role and o.name == name)


def on_showing(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_ALERT:
        announced.append(event.source.name)


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
        wait_for("Plicora application on the accessibility bus", application)
        four_up = wait_for("button 'Stampa 4 pagine x foglio' in a frame 'Plicora'",
                           lambda: control(pyatspi.ROLE_PUSH_BUTTON, "Stampa 4 pagine x foglio"))
        four_up.queryAction().doAction(0)
        count = wait_for("page-count field in the four-up window",
                         lambda: control(pyatspi.ROLE_TEXT, "Numero totale di pagine"))
        count.queryEditableText().setTextContents("41")
        control(pyatspi.ROLE_PUSH_BUTTON, "Calcola la sequenza delle pagine").queryAction() \
            .doAction(0)
        alert = wait_for("alert with the warning",
                         lambda: control(pyatspi.ROLE_ALERT, WARNING))
        wait_for("announcement of the warning as it appeared", lambda: WARNING in announced)
        if "44" not in count.queryText().getText(0, -1):
            sys.exit("FAIL: the page count was not rounded to 44")
        listing = control(pyatspi.ROLE_TEXT, "Sequenza delle pagine").queryText()
        written = subprocess.run([sys.argv[1], "sequenza", "--modo", "4", "--pagine", "44"],
                                 check=True, capture_output=True).stdout.decode()
        expected = written.replace("\r\n", "\n")
        heard = listing.getText(0, -1)
        if heard != expected:
            sys.exit("FAIL: the output box reads\n%r\ninstead of the listing\n%r"
                     % (heard, expected))
        # Magnifiers and mouse review find each character where it is drawn: after each line end
        # the next line starts a line's height below it.
        for end in (i for i, c in enumerate(heard[:-1]) if c == "\n"):
            here, after = (listing.getCharacterExtents(o, pyatspi.DESKTOP_COORDS)
                           for o in (end, end + 1))
            if here[3] <= 0 or abs(after[1] - here[1] - here[3]) > 1:
                sys.exit("FAIL: line end %d at %s, the next line's start at %s"
                         % (end, here, after))
        attributes = listing.getAttributes(0)[0]
        if "size:12" not in attributes.split(";"):  # AT-SPI gives sizes in points
            sys.exit("FAIL: the listing's font size is not reported as 12 points: " + attributes)
        print("the screen reader heard:", alert.name)
    finally:
        program.terminate()
        program.wait(10)


if __name__ == "__main__":
    main()
