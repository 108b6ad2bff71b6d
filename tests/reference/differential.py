#!/usr/bin/env python3
"""Feeds quarvex-cli random sets of data entry fields and compares every row
line with the independent reference (reference.py), byte for byte.

    differential.py QUARVEX_CLI [CASES] [SEED] [--german]

With --german the values are typed with a decimal comma under a German
locale, and every number in a result cell must carry the comma too.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import randomcases  # noqa: E402
import reference  # noqa: E402


# The rows whose result cell is a word, not a number.
WORD_RESULTS = {"Total Cholesterol", "HDL Cholesterol", "LDL Cholesterol"}


def germanise_rows(rows):
    shown = []
    for name, result, interpretation in rows:
        if name not in WORD_RESULTS:
            # The number only: a unit such as "mL/min/1.73 m²" keeps its point.
            number, space, unit = result.partition(" ")
            result = number.replace(".", ",") + space + unit
        shown.append((name, result, interpretation))
    return shown


def main():
    run = randomcases.Run(300)
    failures = 0
    rows_checked = 0
    for case, fields in run.random_cases():
        rows = reference.overview_rows(fields)
        if run.german:
            rows = germanise_rows(rows)
        fields = run.typed(fields)
        expected = ["\t".join(r) for r in rows]
        lines = run.output(fields).split("\r\n")
        assert lines[-1] == "", "output does not end with CRLF"
        got = lines[6:-1]
        rows_checked += len(expected)
        if got != expected:
            failures += 1
            if failures <= 5:
                print("case %d differs; fields: %r" % (case, fields))
                for i in range(max(len(got), len(expected))):
                    g = got[i] if i < len(got) else "<none>"
                    e = expected[i] if i < len(expected) else "<none>"
                    if g != e:
                        print("  got:      %r\n  expected: %r" % (g, e))
    print("%d passed, %d failed (%d rows compared)"
          % (run.cases - failures, failures, rows_checked))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
