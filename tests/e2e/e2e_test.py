#!/usr/bin/python3
"""Plays the real lumble under a real X server, as a child and an adult would.

The built executable is copied into a temporary folder beside a generated word
library and started under Xvfb without a window manager. Real key presses and
clicks come from xdotool; what the pages show is read over AT-SPI, the way a
screen reader reads it; every beep is heard as an XKB bell notification.
"""
import argparse
import os
import shutil
import struct
import sys
import tempfile
import time
import zlib

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from x_session import Session, check, in_private_bus, wait_for, xdotool  # noqa: E402

SKIPPED = 77  # the test's SKIP_RETURN_CODE in CTest

# Each word has its own length, so the mask alone tells which picture is up.
PICTURES = {"cat": (1400, 700), "frog": (700, 1120), "horse": (400, 300)}
PANEL = (1000, 800)
TENTH = PANEL[1] // 10


def whole(value):
    """The program's conversion to whole pixels: nearest, halves away from zero."""
    return int(value + 0.5) if value >= 0 else -int(-value + 0.5)


def png(width, height, rgb):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    row = b"\x00" + bytes(rgb) * width
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(row * height)) + chunk(b"IEND", b""))


def make_library(folder):
    words = os.path.join(folder, "words")
    colours = [(220, 80, 60), (60, 160, 90), (70, 110, 200)]
    for (word, size), colour in zip(PICTURES.items(), colours):
        group = os.path.join(words, "Animals", "farm" if word != "frog" else "pond")
        os.makedirs(group, exist_ok=True)
        with open(os.path.join(group, word + ".png"), "wb") as out:
            out.write(png(*size, colour))
    for name in ("Colours", ".Drafts"):
        os.makedirs(os.path.join(words, name, "g"), exist_ok=True)
    before = {}
    for root, _, files in os.walk(folder):
        for name in files:
            path = os.path.join(root, name)
            with open(path, "rb") as content:
                before[path] = content.read()
    return before


def expected_start_page(screen):
    panel_left = whole((screen[0] - PANEL[0]) / 2)
    panel_top = whole((screen[1] - PANEL[1]) / 2)
    centre = lambda width: whole(panel_left + (PANEL[0] - width) / 2)
    start_top = whole(panel_top + 3 * PANEL[1] / 4)
    quit_top = whole(start_top + 60 * 1.5)
    return (panel_left, panel_top), {
        "instructions": (centre(800), whole(panel_top + PANEL[1] / 4), 800, 120),
        "combo": (centre(800), whole(panel_top + PANEL[1] / 2), 800, 60),
        "Start": (centre(300), start_top, 300, 60),
        "Quit": (centre(300), quit_top, 300, 60),
        "stinfo": (centre(600), whole(quit_top + 60 * 1.5), 600, 20),
    }


def expected_picture(panel, size):
    box_w, box_h = whole(PANEL[0] * 0.7), whole(PANEL[1] * 0.7)
    scale = min(box_w / size[0], box_h / size[1], 1.0)
    w, h = whole(size[0] * scale), whole(size[1] * scale)
    return (whole(panel[0] + (PANEL[0] - w) / 2), whole(panel[1] + (PANEL[1] * 0.7 - h) / 2 + PANEL[1] / 10), w, h)


def check_start_page(lumble, screen):
    panel, expected = expected_start_page(screen)
    combo = wait_for("the word lists", lambda: lumble.shown("combo box"))[0]
    check(combo.name == "Animals", f"the first word list is selected, got {combo.name!r}")
    rows = [item.name for item in combo[0]]
    check(rows == ["Animals", "Colours"], f"the drop-down lists the word lists, got {rows}")
    check(lumble.extents(combo) == expected["combo"], f"drop-down at {lumble.extents(combo)}")
    for name in ("Start", "Quit"):
        button = lumble.shown("push button", name)
        check(button and lumble.extents(button[0]) == expected[name], f"{name} at the wrong place")
    instructions, info = lumble.shown("label")
    check(instructions.name == "Choose a list then press 'Start'", f"the instructions say {instructions.name!r}")
    check(lumble.extents(instructions) == expected["instructions"], "instructions misplaced")
    check(info.name.startswith("Word library:") and lumble.extents(info) == expected["stinfo"],
          f"information line {info.name!r} at {lumble.extents(info)}")
    check(not lumble.shown("check box"), "the handwriting check box stays hidden")
    return panel


def check_word_page(lumble, panel):
    """Checks a word just presented and returns it with the big button and the phrase label."""
    button = lumble.shown("push button")[0]
    phrase = lumble.shown("label")[0]
    picture = wait_for("the picture", lambda: lumble.shown("image", "picture"))[0]
    word = next(w for w in PICTURES if len(w) == len(phrase.name))
    check(phrase.name == "*" * len(word), f"the masked word shows asterisks, got {phrase.name!r}")
    wait_for(f"the caption points: {len(word)}", lambda: button.name == f"points: {len(word)}")
    check(lumble.extents(picture) == expected_picture(panel, PICTURES[word]),
          f"the picture of {word} at {lumble.extents(picture)}")
    check(lumble.extents(phrase) == (panel[0], panel[1] + 8 * TENTH, PANEL[0], TENTH), "phrase misplaced")
    check(lumble.extents(button) == (panel[0], panel[1] + 9 * TENTH, PANEL[0], TENTH), "button misplaced")
    return word, button, phrase


def play_word(lumble, session, panel, hint, capital):
    """One word: a hint by a click on the big button (when asked), wrong keys,
    the command key with a letter, then the rest typed (the first typed letter
    as a capital, when asked) up to "Word Complete!", and Return."""
    word, button, phrase = check_word_page(lumble, panel)
    shown = ""
    if hint:
        lumble.click(button)
        wait_for("the hint", lambda: phrase.name == word[0] + "*" * (len(word) - 1))
        wait_for("a hint to cost a point", lambda: button.name == f"points: {len(word) - 1}")
        shown = word[0]
    xdotool("type", "z")
    xdotool("key", "Return", "ctrl+a")
    session.wait_for_bells(2, "a beep for the wrong letter and one for Return")
    rest = word[len(shown):]
    rest = rest[0].upper() + rest[1:] if capital else rest
    shown += rest
    xdotool("type", "--delay", "20", rest)
    banner = wait_for("Word Complete!", lambda: lumble.shown("label", "Word Complete!"))[0]
    wait_for(f"the whole word as typed, {shown}", lambda: phrase.name == shown)
    check(button.name == f"points: {len(word) - hint}", f"the caption after the word: {button.name!r}")
    check(session.bells_before_mark() == 0, "right letters, Shift and Ctrl+A do not beep; wrong keys beep once")
    check(lumble.extents(banner) == (panel[0], panel[1], PANEL[0], TENTH), "banner misplaced")
    xdotool("type", "x")
    xdotool("key", "Return")
    wait_for("the next page", lambda: not lumble.shown("label", "Word Complete!"))
    check(session.bells_before_mark() == 0, "a letter after Word Complete! is ignored without a beep")
    return word


def play_game(lumble, session, panel, hints, capitals):
    """Plays every word; returns the score text and the More... button."""
    played = []
    while not lumble.shown("push button", "More..."):
        played.append(play_word(lumble, session, panel, hints, capitals))
    check(sorted(played) == sorted(PICTURES), f"every picture is played once, got {played}")
    more = lumble.shown("push button", "More...")[0]
    points, caption = wait_for("the score", lambda: lumble.shown("label") if len(lumble.shown("label")) == 2 else None)
    check(caption.name == "You Scored", f"the results page shows {caption.name!r}")
    check(lumble.extents(points) == (panel[0] + 100, whole(panel[1] + (PANEL[1] - 60) / 2), 800, 60),
          "score misplaced")
    check(lumble.extents(caption) == (panel[0] + 100, lumble.extents(points)[1] - 120, 800, 60), "caption misplaced")
    check(lumble.extents(more) == (panel[0] + 100, whole(panel[1] + 5 * PANEL[1] / 6), 800, 60),
          "More... misplaced")
    xdotool("key", "Return", "x")
    return points.name, more


def run(args):
    screen = tuple(int(side) for side in args.screen.split("x"))
    folder = tempfile.mkdtemp(prefix="lumble-e2e-")
    started = time.monotonic()
    session = None
    try:
        session = Session(screen, args.bell_listener)
        shutil.copy2(args.lumble, os.path.join(folder, "lumble"))
        library = make_library(folder)

        lumble = session.start_lumble(folder)
        # Without a window manager the program alone puts its window over the screen.
        check(lumble.x_window() == (0, 0, *screen), f"the X window covers {lumble.x_window()}")
        check(lumble.extents(lumble.frame) == (0, 0, *screen), f"the frame covers {lumble.extents(lumble.frame)}")
        panel = check_start_page(lumble, screen)

        lumble.choose_word_list("Colours")
        xdotool("type", "ab")
        lumble.click(lumble.shown("push button", "Start")[0])
        session.wait_for_bells(1, "a beep for a word list without pictures")
        wait_for("the empty list named", lambda: lumble.shown("label", "The word list Colours has no pictures to play."))
        check(session.bells_before_mark() == 0, "keys on the start page are ignored without a beep")
        lumble.choose_word_list("Animals")
        lumble.click(lumble.shown("push button", "Start")[0])

        # On a screen lower than the panel the big button lies off the screen's
        # bottom edge, where the layout puts it, and cannot be clicked.
        hints = panel[1] + PANEL[1] <= screen[1]
        score, more = play_game(lumble, session, panel, hints, capitals=False)
        expected = "9 out of 12" if hints else "12 out of 12"
        check(score == expected, f"the first game scores {expected}, got {score}")
        lumble.click(more)
        wait_for("the start page", lambda: lumble.shown("push button", "Start"))
        check(session.bells_before_mark() == 0, "keys on the results page are ignored without a beep")
        check(lumble.shown("combo box")[0].name == "Animals", "the list of the last game stays chosen")
        lumble.click(lumble.shown("push button", "Start")[0])
        score, _ = play_game(lumble, session, panel, hints=False, capitals=True)
        check(score == "12 out of 12", f"a game without hints scores 12 out of 12, got {score}")
        xdotool("key", "ctrl+q")
        check(lumble.wait_exit() == 0, "Ctrl+Q on the results page ends with exit status 0")

        lumble = session.start_lumble(folder)
        lumble.click(wait_for("Quit", lambda: lumble.shown("push button", "Quit"))[0])
        check(lumble.wait_exit() == 0, "the Quit button ends with exit status 0")

        lumble = session.start_lumble(folder)
        lumble.click(wait_for("Start", lambda: lumble.shown("push button", "Start"))[0])
        wait_for("the word page", lambda: lumble.shown("image", "picture"))
        xdotool("key", "ctrl+shift+q")
        check(lumble.wait_exit() == 0, "Ctrl+Shift+Q on the word page ends with exit status 0")

        for path, content in library.items():
            with open(path, "rb") as now:
                check(now.read() == content, f"{path} was changed")
        print(f"e2e {args.screen}: passed in {time.monotonic() - started:.1f} s")
        return 0
    except Exception as failure:  # every way of failing is reported the same way
        print(f"e2e {args.screen}: FAILED: {failure}", file=sys.stderr)
        if session:
            shot = os.path.join(tempfile.gettempdir(), f"lumble-e2e-{args.screen}.png")
            if session.screenshot(shot):
                print(f"the screen at that moment: {shot}", file=sys.stderr)
        return 1
    finally:
        if session:
            session.close()
        shutil.rmtree(folder, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lumble", required=True)
    parser.add_argument("--bell-listener", required=True)
    parser.add_argument("--screen", default="1280x1024")
    args = parser.parse_args()
    if shutil.which("Xvfb") is None:
        # make setup installs it, so CI never skips.
        print("e2e: Xvfb is not installed (make setup installs it)", file=sys.stderr)
        sys.exit(1 if os.environ.get("CI") else SKIPPED)
    sys.exit(in_private_bus(lambda: run(args), timeout=150))


if __name__ == "__main__":
    main()
