#!/usr/bin/python3
"""Renders the sample word library's pictures from Debian's Noto Color Emoji font.

The font (package fonts-noto-color-emoji) is under the SIL Open Font License 1.1;
the pictures are drawings of its glyphs, see /usr/share/doc/fonts-noto-color-emoji/copyright
and words/.LICENSE-pictures.txt (its leading "." keeps it off the start page).

Each row of SAMPLE_LIBRARY is one picture: its path below words/ (the file name
carries the phrase and, optionally, the word to spell) and the emoji drawn.
Rerunning the tool rebuilds exactly the committed library.
"""
import pathlib
import shutil
import sys

from PIL import Image, ImageFont, ImageDraw

EMOJI_FONT = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"
EMOJI_SIZE = 109  # the one size the colour bitmaps come in
PICTURE_SIZE = 400

SAMPLE_LIBRARY = [
    ("Animals/farm/cat.png", "\U0001F408", "#fdf3e1"),
    ("Animals/farm/dog.png", "\U0001F415", "#eaf4fb"),
    ("Animals/farm/pig.png", "\U0001F416", "#fdebf1"),
    ("Animals/farm/cow.png", "\U0001F404", "#eef7e8"),
    ("Animals/farm/hen.png", "\U0001F414", "#fff8dc"),
    ("Animals/farm/duck.png", "\U0001F986", "#e6f2fa"),
    ("Animals/wild/fox.png", "\U0001F98A", "#fdf0e4"),
    ("Animals/wild/frog.png", "\U0001F438", "#ebf7e6"),
    ("Animals/wild/owl.png", "\U0001F989", "#f2eee8"),
    ("Animals/wild/bee.png", "\U0001F41D", "#fffbe0"),
    ("Animals/wild/lion.png", "\U0001F981", "#fdf6e3"),
    ("Food/fruit/apple.png", "\U0001F34E", "#fdeeee"),
    ("Food/fruit/pear.png", "\U0001F350", "#f4f9e4"),
    ("Food/fruit/peach.png", "\U0001F351", "#fdf1ea"),
    ("Food/fruit/lemon.png", "\U0001F34B", "#fffbe3"),
    ("Food/meals/egg.png", "\U0001F95A", "#f7f4ee"),
    ("Food/meals/cake.png", "\U0001F370", "#fdf0f4"),
    ("Food/meals/bread.png", "\U0001F35E", "#fbf3e6"),
    ("Food/meals/pizza.png", "\U0001F355", "#fdf3e8"),
    # Names beginning with "." are hidden: this list and this item are never played.
    (".Drafts/new/pie.png", "\U0001F967", "#f7efe6"),
    ("Food/meals/.not yet.pie.png", "\U0001F967", "#f7efe6"),
    ("Sentences/home/the cat sat on the mat.cat.png", "\U0001F408", "#f3efe6"),
    ("Sentences/home/we go on the bus.bus.png", "\U0001F68C", "#fdeceb"),
    ("Sentences/home/the sun is hot.sun.png", "\u2600\ufe0f", "#fffae0"),
    ("Sentences/home/I can see a ship.ship.png", "\U0001F6A2", "#e8f3fb"),
    ("Sentences/home/my hat is black.hat.png", "\U0001F3A9", "#eef0fb"),
    ("Sentences/home/a fish can swim.fish.png", "\U0001F41F", "#e6f5f8"),
    ("Sentences/home/the moon at night.moon.png", "\U0001F319", "#eceaf6"),
    ("Sentences/home/a duck in the pond.duck.png", "\U0001F986", "#e9f5ee"),
    ("Sentences/home/we ride a bike.bike.png", "\U0001F6B2", "#f1f6ea"),
]


def render(emoji: str, background: str) -> Image.Image:
    font = ImageFont.truetype(EMOJI_FONT, EMOJI_SIZE)
    glyph = Image.new("RGBA", (EMOJI_SIZE * 2, EMOJI_SIZE * 2), (0, 0, 0, 0))
    ImageDraw.Draw(glyph).text((EMOJI_SIZE // 2, EMOJI_SIZE // 2), emoji, font=font, embedded_color=True)
    glyph = glyph.crop(glyph.getbbox())
    side = PICTURE_SIZE * 3 // 4
    scale = side / max(glyph.size)
    glyph = glyph.resize((round(glyph.width * scale), round(glyph.height * scale)), Image.LANCZOS)
    picture = Image.new("RGBA", (PICTURE_SIZE, PICTURE_SIZE), background)
    picture.alpha_composite(glyph, ((PICTURE_SIZE - glyph.width) // 2, (PICTURE_SIZE - glyph.height) // 2))
    return picture.convert("RGB").quantize(colors=128, dither=Image.Dither.NONE)


def main() -> None:
    words = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "words")
    for list_folder in {path.split("/")[0] for path, _, _ in SAMPLE_LIBRARY}:
        shutil.rmtree(words / list_folder, ignore_errors=True)
    for path, emoji, background in SAMPLE_LIBRARY:
        target = words / path
        target.parent.mkdir(parents=True, exist_ok=True)
        render(emoji, background).save(target, optimize=True)


if __name__ == "__main__":
    main()
