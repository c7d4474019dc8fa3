"""The booklet route as a screen-reader user takes it, through AT-SPI: runs `plicora doc.pdf` on a
six-page PDF, as a file manager does, checks that the booklet window names the document, steps to
the second sheet and hears its front's picture named, presses "Crea l'opuscolo" through its AT-SPI action, waits for the result, and reads the booklet's four
sides back with pdftotext: blank pages fill the second sheet, and each side holds its pair. Runs on
the display in $DISPLAY and the D-Bus session in $DBUS_SESSION_BUS_ADDRESS.

Usage: booklet_reader.py PATH_TO_PLICORA
"""
import os
import subprocess
import sys
import tempfile

import pyatspi

from screen_reader import control, wait_for

# Four-up, six pages and two blanks: the sides' page pairs, left then right; 7 and 8 are blank.
SIDES = [["1"], ["2"], ["6", "3"], ["4", "5"]]


def numbered_pdf(path, pages):
    """A PDF whose page i shows the number i, in Helvetica."""
    objects = ["<< /Type /Catalog /Pages 2 0 R >>",
               "<< /Type /Pages /Kids [%s] /Count %d >>"
               % (" ".join("%d 0 R" % (4 + 2 * i) for i in range(pages)), pages),
               "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"]
    for i in range(pages):
        stream = "BT /F1 48 Tf 270 700 Td (%d) Tj ET" % (i + 1)
        objects.append("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] "
                       "/Resources << /Font << /F1 3 0 R >> >> /Contents %d 0 R >>" % (5 + 2 * i))
        objects.append("<< /Length %d >>\nstream\n%s\nendstream" % (len(stream), stream))
    out, offsets = "%PDF-1.4\n", []
    for number, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += "%d 0 obj\n%s\nendobj\n" % (number, body)
    xref = len(out)
    out += "xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    out += "".join("%010d 00000 n \n" % offset for offset in offsets)
    out += "trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
    with open(path, "w", encoding="ascii") as file:
        file.write(out)


def side_words(pdf, side):
    text = subprocess.run(["pdftotext", "-layout", "-f", str(side), "-l", str(side), pdf, "-"],
                          check=True, capture_output=True, text=True).stdout
    return text.split()


def main():
    folder = tempfile.mkdtemp()
    document = os.path.join(folder, "doc.pdf")
    numbered_pdf(document, 6)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([sys.argv[1], document], env=env)
    try:
        title = "doc.pdf \u2014 Plicora"
        wait_for("label 'Documento: doc.pdf' in a frame '%s'" % title,
                 lambda: control(pyatspi.ROLE_LABEL, "Documento: doc.pdf", title))
        wait_for("the page count",
                 lambda: control(pyatspi.ROLE_LABEL, "Pagine del documento: 6", title))
        following = wait_for("button 'Foglio successivo'",
                             lambda: control(pyatspi.ROLE_PUSH_BUTTON, "Foglio successivo", title))
        following.queryAction().doAction(0)
        wait_for("the picture of sheet 2's front",
                 lambda: control(pyatspi.ROLE_IMAGE, "Anteprima del foglio 2, fronte", title))
        create = wait_for("button 'Crea l'opuscolo'",
                          lambda: control(pyatspi.ROLE_PUSH_BUTTON, "Crea l'opuscolo", title))
        create.queryAction().doAction(0)
        booklet = os.path.join(folder, "doc-opuscolo.pdf")
        wait_for("the result naming " + booklet,
                 lambda: control(pyatspi.ROLE_LABEL, "Opuscolo creato:\n" + booklet, title))
        wait_for("button 'Apri' once the booklet is made",
                 lambda: control(pyatspi.ROLE_PUSH_BUTTON, "Apri", title))
        sides = [side_words(booklet, side) for side in range(1, 5)]
        if sides != SIDES:
            sys.exit("FAIL: the booklet's sides read %s, not %s" % (sides, SIDES))
        print("the booklet's sides:", sides)
    finally:
        program.terminate()
        program.wait(10)
        subprocess.run(["rm", "-rf", folder], check=False)


main()
