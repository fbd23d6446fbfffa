#!/usr/bin/python3
"""Takes pictures of the three pages from the real program under Xvfb (1280 x 1024,
no window manager) and writes them to docs/screenshots/.

Usage: tools/take_screenshots.py path/to/lumble
The program plays the word library beside it (the build's copy of words/): the
Sentences list, one hint on the first word and every other letter typed. Each
picture is taken once the accessibility bus shows that its page is complete.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
from x_session import Session, check, in_private_bus, wait_for, xdotool  # noqa: E402

SCREEN = (1280, 1024)
WORD_LIST = "Sentences"
OUT = os.path.normpath(os.path.join(HERE, "..", "docs", "screenshots"))


def phrases(word_list):
    """Each item's phrase: its name up to the first "."."""
    return [name.split(".")[0] for group in os.scandir(word_list) if group.is_dir()
            for name in os.listdir(group.path)]


def hidden_word(shown, known):
    """The word behind the asterisks, read from the phrase that the shown text masks."""
    for phrase in known:
        if len(phrase) == len(shown) and all(s in ("*", p) for s, p in zip(shown, phrase)):
            return phrase[shown.index("*"):shown.rindex("*") + 1]
    raise AssertionError(f"no phrase of the library reads {shown!r}")


def next_word(lumble, known):
    """The word now presented, or None on the results page."""
    wait_for("the next page", lambda: not lumble.shown("label", "Word Complete!"))
    if lumble.shown("push button", "More..."):
        return None
    return hidden_word(wait_for("the masked phrase", lambda: lumble.shown("label")[0].name), known)


def finish(lumble, letters):
    xdotool("type", "--delay", "20", letters)
    wait_for("Word Complete!", lambda: lumble.shown("label", "Word Complete!"))
    xdotool("key", "Return")


def shoot(session, name):
    # The pointer rests in a corner, so no button shows the hover look.
    xdotool("mousemove", str(SCREEN[0] - 1), str(SCREEN[1] - 1))
    path = os.path.join(OUT, name)
    check(session.screenshot(path), f"could not write {path}")
    print(f"wrote {path}")


def take(lumble_path):
    folder = os.path.dirname(os.path.abspath(lumble_path))
    known = phrases(os.path.join(folder, "words", WORD_LIST))
    os.makedirs(OUT, exist_ok=True)
    session = Session(SCREEN)
    try:
        lumble = session.start_lumble(folder)
        wait_for("the start page", lambda: lumble.shown("combo box"))
        shoot(session, "start.png")

        lumble.choose_word_list(WORD_LIST)
        lumble.click(lumble.shown("push button", "Start")[0])
        word = next_word(lumble, known)
        button, phrase = lumble.shown("push button")[0], lumble.shown("label")[0]
        lumble.click(button)  # a hint
        wait_for("the hint", lambda: button.name == f"points: {len(word) - 1}")
        xdotool("type", word[1])
        wait_for("the typed letter", lambda: word[:2] in phrase.name)
        shoot(session, "word.png")

        finish(lumble, word[2:])
        while word := next_word(lumble, known):
            finish(lumble, word)
        score = wait_for("the score", lambda: [n for n in lumble.page() if " out of " in n[1]])
        shoot(session, "results.png")
        print(f"the game scored {score[0][1]}")
        xdotool("key", "ctrl+q")
        check(lumble.wait_exit() == 0, "lumble ended with a failure")
        return 0
    finally:
        session.close()


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(in_private_bus(lambda: take(sys.argv[1]), timeout=120))


if __name__ == "__main__":
    main()
