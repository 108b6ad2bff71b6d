#!/usr/bin/env python3
"""Checks a Qt Linguist .ts file against the sources it translates.

  check_translations.py --lupdate LUPDATE --ts FILE --sources DIR [--unfinished-context NAME]...

Fails (exit 1, one line per fault) when
  - lupdate, run over the sources into a copy of the .ts file, finds a text
    that the .ts file does not hold (a string added without updating it),
    or finds that a text of the .ts file is no longer in the sources;
  - an entry outside the unfinished-by-design contexts is unfinished, empty,
    obsolete or vanished;
  - a translation's placeholders (%1 … %99, %L1, %n) differ from its source's.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:L?\d{1,2}|n)")


def text_of(element):
    """The text of a <source> or <translation> with its <byte> characters."""
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        else:
            parts.append(text_of(child))
        parts.append(child.tail or "")
    return "".join(parts)


def messages(path):
    """(context, source, comment) -> (translation element, numerus) of a .ts file."""
    out = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, text_of(message.find("source")), text_of(message.find("comment")))
            out[key] = (message.find("translation"), message.get("numerus") == "yes")
    return out


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text.replace("%%", "")))


def show(key):
    context, source, comment = key
    shown = source if len(source) <= 70 else source[:67] + "..."
    return f"{context}: \"{shown}\"" + (f" ({comment})" if comment else "")


def entry_faults(entries, unfinished_contexts):
    faults = []
    for key, (translation, numerus) in entries.items():
        context, source, _ = key
        kind = translation.get("type") if translation is not None else "unfinished"
        if kind in ("obsolete", "vanished"):
            if context not in unfinished_contexts:
                faults.append(f"obsolete: {show(key)}")
            continue
        if context in unfinished_contexts:
            continue
        forms = [text_of(f) for f in translation.iter("numerusform")] if numerus else [text_of(translation)]
        if kind == "unfinished" or not forms or any(not f for f in forms):
            faults.append(f"unfinished: {show(key)}")
            continue
        for form in forms:
            if placeholders(form) != placeholders(source):
                faults.append(f"placeholders {placeholders(form)} differ from the source's "
                              f"{placeholders(source)}: {show(key)}")
    return faults


def sources_faults(lupdate, ts, sources):
    """What lupdate over the sources would change in the .ts file."""
    faults = []
    with tempfile.TemporaryDirectory() as work:
        copy = os.path.join(work, os.path.basename(ts))
        shutil.copyfile(ts, copy)
        run = subprocess.run([lupdate, sources, "-ts", copy, "-locations", "none", "-no-ui-lines",
                              "-no-sort"], capture_output=True, text=True)
        if run.returncode != 0:
            return [f"lupdate failed: {run.stderr.strip()}"]
        before = messages(ts)
        after = messages(copy)
    for key in after:
        if key not in before:
            faults.append(f"missing from {os.path.basename(ts)}: {show(key)}")
    for key, (translation, _) in after.items():
        if key in before and translation is not None and translation.get("type") == "vanished" \
                and before[key][0] is not None and before[key][0].get("type") != "vanished":
            faults.append(f"no longer in the sources: {show(key)}")
    return faults


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--ts", required=True)
    parser.add_argument("--sources", required=True)
    parser.add_argument("--unfinished-context", action="append", default=[])
    args = parser.parse_args()
    faults = sources_faults(args.lupdate, args.ts, args.sources)
    faults += entry_faults(messages(args.ts), set(args.unfinished_context))
    for fault in faults:
        print(fault)
    entries = messages(args.ts)
    print(f"{len(entries)} entries checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
