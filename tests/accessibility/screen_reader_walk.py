#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Norv as a screen reader meets it, through the accessibility bus (AT-SPI).

Starts Norv in one language, walks the accessible tree of every window as
it is opened (buttons pressed through their accessible actions, keys typed
as a user types them), and checks: every control has its role and a name
in the shown language; the options are option buttons; the pictures are
named; a text written through the bus reaches the calculation; the computed
bitrate of the video stream can be reached and is read with its row, and
with the reason when the disk space cannot hold the plan; the
error window is an alert whose message is announced.

Usage: screen_reader_walk.py path/to/norv English|Italiano
Runs inside a private X server and D-Bus session with the AT-SPI registry
(see run_screen_reader_walk.sh)."""

import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

# What each window must show to a screen reader, per language: (role, name).
# A combo box's name is its current entry; its label reaches it as a relation.
SHOWN = {
    "English": {
        "main": [("text", "Diskspace"), ("text", "Lenght"), ("text", "FPS"), ("text", "Proprtions (width)"),
                 ("text", "Size multiples (height)"), ("text", "Proportion error"), ("push button", "Options"),
                 ("push button", "Add"), ("push button", "Remove"), ("image", "Norv"), ("list", "Stream"),
                 ("list", "Stream (share)"), ("list", "Stream (size)"), ("list", "Stream (unit)"),
                 ("slider", "Width (slider)"), ("slider", "Height (slider)"), ("slider", "Video Quality (slider)"),
                 ("label", "Container")],
        "dialog": [("dialog", "Add Stream"), ("text", "Stream size"), ("radio button", "bitrate"),
                   ("radio button", "bytes"), ("radio button", "%"), ("push button", "Add"),
                   ("push button", "Cancel"), ("label", "Stream type")],
        "options": [("dialog", "Options"), ("radio button", "Italiano"), ("radio button", "English"),
                    ("check box", "Compute overhead"), ("panel", "Language")],
        "about": [("dialog", "About Norv"), ("image", "Norv"), ("label", "2.0 build 33")],
        "error": [("alert", "Norv error"), ("push button", "Close"), ("push button", "Continue"),
                  ("push button", "Abort"), ("panel", "Error description")],
        "size": [("dialog", "Diskspace in units or discs"), ("text", "Size"), ("text", "Safety margin (%)"),
                 ("push button", "OK"), ("push button", "Cancel"), ("label", "Unit or disc")],
    },
    "Italiano": {
        "main": [("text", "Spazio su disco"), ("text", "Lunghezza"), ("text", "FPS"),
                 ("text", "Proporzioni (larghezza)"), ("text", "Multipli di (altezza)"),
                 ("text", "Errore proporzioni"), ("push button", "Opzioni"), ("push button", "Aggiungi"),
                 ("push button", "Rimuovi"), ("image", "Norv"), ("list", "Stream"),
                 ("list", "Stream (percentuale)"), ("list", "Stream (dimensione)"), ("list", "Stream (unità)"),
                 ("slider", "Larghezza (cursore)"), ("slider", "Altezza (cursore)"),
                 ("slider", "Video Quality (cursore)"), ("label", "Container")],
        "dialog": [("dialog", "Aggiungi Stream"), ("text", "Dimensione"), ("radio button", "bitrate"),
                   ("radio button", "dimensione"), ("radio button", "%"), ("push button", "Aggiungi"),
                   ("push button", "Annulla"), ("label", "Tipo stream")],
        "options": [("dialog", "Opzioni"), ("radio button", "Italiano"), ("radio button", "English"),
                    ("check box", "Calcola overhead"), ("panel", "Lingua")],
        "about": [("dialog", "About Norv"), ("image", "Norv"), ("label", "2.0 build 33")],
        "error": [("alert", "Norv errore"), ("push button", "Termina"), ("push button", "Riprendi"),
                  ("push button", "Annulla"), ("panel", "Descrizione errore")],
        "size": [("dialog", "Spazio su disco in unit\u00e0 o dischi"), ("text", "Dimensione"),
                 ("text", "Margine di sicurezza (%)"), ("push button", "OK"), ("push button", "Annulla"),
                 ("label", "Unit\u00e0 o disco")],
    },
}
# Roles a user meets and must hear named.
NAMED_ROLES = {"push button", "text", "slider", "combo box", "list", "radio button", "check box", "image",
               "label", "panel", "dialog", "frame", "alert"}
REFUSED = "Numero massimo di flussi video consentiti: 1"
NOT_A_NUMBER = {"English": "This is not a number in your notation.", "Italiano": "Questo non è un numero nella tua notazione."}
# How a row that cannot be encoded begins, with the shortfall of the walk's plan.
TOO_SMALL = {"English": "Cannot be encoded: the disk space is 85400000 bytes too small;",
             "Italiano": "Non codificabile: lo spazio su disco è insufficiente di 85400000 bytes;"}

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, flush=True)


def pump(seconds=0.0):
    """Lets events arrive for a while."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def find(root, role, name=None, timeout=5.0):
    end = time.monotonic() + timeout
    while True:
        for n in nodes(root):
            if n.getRoleName() == role and (name is None or n.name == name):
                return n
        if time.monotonic() >= end:
            return None
        pump(0.1)


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click", "toggle"):
            action.doAction(i)
            pump(0.3)
            return
    check(False, "%s %r has no press action" % (node.getRoleName(), node.name))


def wait_for(condition, timeout=5.0):
    end = time.monotonic() + timeout
    while not condition():
        if time.monotonic() >= end:
            return False
        pump(0.05)
    return True


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def activate(title):
    """Brings the window forward and gives it the keyboard, as the user's
    window switching does; keys go there from then on."""
    # The window manager may still be starting: it says when it can.
    for _ in range(50):
        done = subprocess.run(["xdotool", "search", "--sync", "--name", "^%s$" % re.escape(title), "windowactivate",
                               "--sync"], capture_output=True, timeout=10)
        if done.returncode == 0:
            break
        time.sleep(0.2)
    check(done.returncode == 0, "%s activated" % title)
    pump(0.2)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)
    pump(0.3)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)
    pump(0.3)


def expect_window(window, part, language):
    """Roles and names of one window against what the language shows."""
    check(window is not None, "%s window reachable" % part)
    if window is None:
        return
    present = {(n.getRoleName(), n.name) for n in nodes(window)}
    for role, name in SHOWN[language][part]:
        check((role, name) in present or (role == "label" and any(name in labelled_by(n) for n in nodes(window))),
              "%s: %s %r in %s" % (part, role, name, language))
    other = "Italiano" if language == "English" else "English"
    foreign = {name for _, name in SHOWN[other][part]} - {name for _, name in SHOWN[language][part]}
    for role, name in present:
        check(name not in foreign, "%s: %s %r is not in %s" % (part, role, name, language))
    for n in nodes(window):
        role = n.getRoleName()
        inside_combo = any(a is not None and a.getRoleName() == "combo box" for a in (n.parent, n.parent.parent
                                                                                    if n.parent else None))
        # A hidden control (an empty message) is not read out.
        showing = n.getState().contains(pyatspi.STATE_SHOWING) or n is window
        if role in NAMED_ROLES and not inside_combo and showing:
            check(bool(n.name) or bool(labelled_by(n)), "%s: a %s without a name" % (part, role))
        check(role not in ("filler", "unknown") or n.childCount == 0 or n is not window,
              "%s: the window is a %s" % (part, role))


def main():
    norv, language = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as config:
        walk(norv, language, config)


def walk(norv, language, config):
    os.makedirs(os.path.join(config, "Norv"))
    with open(os.path.join(config, "Norv", "Norv.conf"), "w") as f:
        f.write("[Options]\nLanguage=%s\nOverhead=0\n" % language)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_CONFIG_HOME=config,
               LC_ALL="en_US.UTF-8")
    program = subprocess.Popen([norv], env=env)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = None
        for _ in range(100):
            app = next((a for a in desktop if a is not None and a.name == "Norv"), None)
            if app is not None:
                break
            time.sleep(0.1)
        check(app is not None, "Norv on the accessibility bus")
        if app is None:
            return
        words = SHOWN[language]
        main_window = find(app, "frame", "Norv2")
        expect_window(main_window, "main", language)

        # A plan: the disk space typed as a user types it (it has the focus),
        # the length written through the accessibility bus, as voice input
        # writes it.
        activate("Norv2")
        check(wait_for(lambda: focused(find(main_window, "text", words["main"][0][1]))), "the disk space has the focus")
        typed("734003200")
        find(main_window, "text", words["main"][1][1]).queryEditableText().setTextContents("5400")
        pump(0.3)
        # The video stream as a 100% share, through the dialog's buttons.
        press(find(main_window, "push button", words["main"][7][1]))
        dialog = find(app, "dialog", words["dialog"][0][1])
        expect_window(dialog, "dialog", language)
        press(find(dialog, "radio button", "%"))
        press(find(dialog, "push button", words["dialog"][5][1]))
        # The allocation: Tab to the stream list, Enter.
        streams = find(main_window, "list", "Stream")
        activate("Norv2")
        for _ in range(20):
            if focused(streams):
                break
            keys("Tab")
            wait_for(lambda: focused(streams), 0.5)
        check(focused(streams), "the stream list reached with Tab")
        keys("Return")
        row = find(streams, "list item", None)
        check(row is not None and re.fullmatch(r"Video 100% [1-9][0-9]* bit/s", row.name or "") is not None,
              "the video row read whole with its bitrate: %r" % (row.name if row else None))

        # The size helper by its shortcut: opened on its number, a refusal
        # described on the window, then 700 (MB) typed into the disk space.
        keys("ctrl+shift+s")
        size = find(app, "dialog", words["size"][0][1])
        expect_window(size, "size", language)
        check(size is not None and wait_for(lambda: focused(find(size, "text", words["size"][1][1]))),
              "the size helper opens on its number")
        typed("x")
        keys("Return")
        check(size is not None and wait_for(lambda: size.description == NOT_A_NUMBER[language]),
              "the refusal described: %r" % (size.description if size else None))
        keys("BackSpace")
        typed("700")
        keys("Return")
        diskspace = find(main_window, "text", words["main"][0][1]).queryText()
        check(wait_for(lambda: diskspace.getText(0, -1) == "700000000"),
              "700 MB in the disk space: %r" % diskspace.getText(0, -1))

        # Audio of 128000 bit/s over the 5400 s need 86400000 bytes: with a
        # disk space of 1000000 shared out again, the video row is read with
        # the reason it cannot be encoded and by how much.
        press(find(main_window, "push button", words["main"][7][1]))
        dialog = find(app, "dialog", words["dialog"][0][1])
        find(dialog, "text", words["dialog"][1][1]).queryEditableText().setTextContents("128000")
        pump(0.3)
        press(find(dialog, "push button", words["dialog"][5][1]))
        find(main_window, "text", words["main"][0][1]).queryEditableText().setTextContents("1000000")
        activate("Norv2")
        for _ in range(20):
            if focused(streams):
                break
            keys("Tab")
            wait_for(lambda: focused(streams), 0.5)
        keys("Return")
        row = find(streams, "list item", None)
        check(row is not None and re.fullmatch(r"Video 100% -[1-9][0-9]* bit/s\. " + re.escape(TOO_SMALL[language]) + r".*",
                                               row.name or "") is not None,
              "the starved video row read with its warning: %r" % (row.name if row else None))

        press(find(main_window, "push button", words["options"][0][1]))
        expect_window(find(app, "dialog", words["options"][0][1]), "options", language)
        press(find(main_window, "push button", "About"))
        expect_window(find(app, "dialog", "About Norv"), "about", language)

        # A second video stream: the dialog opens on its type list; Up picks
        # Video; Add is refused in the error window, which is announced.
        announced = []

        def heard(event):
            if event.source is not None and event.source.getRoleName() == "alert":
                announced.append((event.type, event.source.description))
        pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-description",
                                               "window:activate", "object:state-changed:showing")
        press(find(main_window, "push button", words["main"][7][1]))
        dialog = find(app, "dialog", words["dialog"][0][1])
        check(wait_for(lambda: focused(find(dialog, "combo box"))), "the dialog opens on its type list")
        keys("Up")
        press(find(dialog, "push button", words["dialog"][5][1]))
        error = find(app, "alert", words["error"][0][1])
        expect_window(error, "error", language)
        pump(1.0)
        check(error is not None and error.description == REFUSED, "the alert describes its message")
        check(error is not None and find(error, "label", REFUSED, 0) is not None, "the message in the alert")
        check(("object:property-change:accessible-description", REFUSED) in announced,
              "the message announced: %r" % announced)
        pyatspi.Registry.deregisterEventListener(heard, "object:property-change:accessible-description",
                                                 "window:activate", "object:state-changed:showing")
    finally:
        program.terminate()
        program.wait(10)


if __name__ == "__main__":
    main()
    if failures:
        print("%d failures" % len(failures))
        sys.exit(1)
    print("the screen reader's walk passed")
