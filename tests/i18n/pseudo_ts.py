#!/usr/bin/env python3
"""Writes the pseudo-translation of a Qt Linguist .ts file.

  pseudo_ts.py IN.ts OUT.ts

Every entry, of every context, becomes its source wrapped in the markers
U+27E6 and U+27E7 ("⟦Exit⟧"), each plural form too, and finished, so that a
window run with the compiled file shows which of its texts went through a
translation: a text without the markers did not.
"""

import re
import sys

OPEN, CLOSE = "\u27e6", "\u27e7"


def pseudo(match):
    message = match.group(0)
    source = re.search(r"<source>(.*?)</source>", message, re.S).group(1)
    wrapped = OPEN + source + CLOSE
    if 'numerus="yes"' in message:
        body = "".join(f"<numerusform>{wrapped}</numerusform>" for _ in range(2))
    else:
        body = wrapped
    return re.sub(r"<translation[^>]*?(?:/>|>.*?</translation>)",
                  lambda _: f"<translation>{body}</translation>", message, flags=re.S)


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        text = f.read()
    text = re.sub(r"<message[^>]*>.*?</message>", pseudo, text, flags=re.S)
    text = re.sub(r'(<TS [^>]*language=")[^"]*(")', r"\1de_DE\2", text)
    with open(sys.argv[2], "w", encoding="utf-8") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
