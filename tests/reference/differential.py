#!/usr/bin/env python3
"""Feeds quarvex-cli random sets of data entry fields and compares every row
line with the independent reference (reference.py), byte for byte.

    differential.py QUARVEX_CLI [CASES] [SEED] [--german]

With --german the values are typed with a decimal comma under a German
locale, and every number in a result cell must carry the comma too.
"""

import os
import random
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import reference  # noqa: E402

BOUNDS = [0.1, 0.2, 0.5, 0.65, 0.8, 1, 1.3, 1.5, 2, 3, 3.3, 3.4, 3.5, 4.3, 4.9, 5, 6, 6.9, 8,
          9.5, 10, 10.9, 16, 20, 23.3, 28, 36, 40, 42, 52, 55, 60, 62.5, 80]


def random_number(rng):
    kind = rng.random()
    if kind < 0.55:
        v = rng.uniform(0.05, 400)
        return "%.*f" % (rng.choice([0, 0, 1, 1, 2, 3]), v)
    if kind < 0.75:
        return str(rng.randint(1, 300))
    if kind < 0.85:
        return rng.choice(["0.4", "0.5", "0.6", "1.5", "0.005", "2.675", "1.005", "0.125",
                           "32767", "999", "139.99", "140", "141"])
    if kind < 0.93:
        return "%g" % (rng.choice(BOUNDS) * rng.choice([1, 2, 4, 5, 10, 20, 25, 50, 100]))
    return rng.choice(["", "0", "-3", " 12 ", "1e2", "40000", "abc", " "])


def random_fields(rng):
    f = {}
    for name in reference.ALL_VALUES:
        if rng.random() < 0.1:
            continue
        if name == "Gender":
            f[name] = rng.choice(["Male", "Female", "Male", "Female", "", "male"])
            continue
        f[name] = random_number(rng)
        if name in reference.UNITS:
            choices = list(reference.UNITS[name])
            f["Unit" + name] = rng.choice(choices * 4 + ["", "MG/DL"])
    if rng.random() < 0.5:
        # Put one ratio right on a band edge.
        num, den = rng.choice([("AST", "ALT"), ("Albumin", "Globulin"), ("HDL", "LDL"),
                               ("Chol", "HDL"), ("LDL", "HDL"), ("UrineUrate", "UrineCreatinine"),
                               ("SerumUrea", "SerumCreatinine"), ("UrineUrea", "SerumUrea"),
                               ("UrineCreatinine", "SerumCreatinine")])
        d = rng.choice([1, 2, 4, 5, 8, 10, 20, 25, 40, 50])
        f[den] = str(d)
        f[num] = "%g" % (rng.choice(BOUNDS) * d)
        for n in (num, den):
            if n in reference.UNITS:
                f["Unit" + n] = list(reference.UNITS[n])[0]
    return f


# The rows whose result cell is a word, not a number.
WORD_RESULTS = {"Total Cholesterol", "HDL Cholesterol", "LDL Cholesterol"}


def germanise(fields, rows):
    typed = {k: (v.replace(".", ",") if not k.startswith("Unit") else v) for k, v in fields.items()}
    shown = []
    for name, result, interpretation in rows:
        if name not in WORD_RESULTS:
            result = result.replace(".", ",")
        shown.append((name, result, interpretation))
    return typed, shown


def run_cli(cli, fields, locale):
    text = "".join("%s=%s\n" % (k, v) for k, v in fields.items())
    env = dict(os.environ, LC_ALL=locale, LANG=locale, QT_QPA_PLATFORM="offscreen")
    done = subprocess.run([cli], input=text.encode(), capture_output=True, env=env, timeout=60)
    if done.returncode != 0:
        raise RuntimeError("quarvex-cli exited %d: %s" % (done.returncode, done.stderr.decode()))
    lines = done.stdout.decode("utf-8").split("\r\n")
    assert lines[-1] == "", "output does not end with CRLF"
    return lines[6:-1]


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    german = "--german" in sys.argv
    cli = args[0]
    cases = int(args[1]) if len(args) > 1 else 300
    seed = int(args[2]) if len(args) > 2 else 20261206
    locale = "de_DE.UTF-8" if german else "en_US.UTF-8"
    rng = random.Random(seed)
    failures = 0
    rows_checked = 0
    for case in range(cases):
        fields = random_fields(rng)
        rows = reference.overview_rows(fields)
        if german:
            fields, rows = germanise(fields, rows)
        expected = ["\t".join(r) for r in rows]
        got = run_cli(cli, fields, locale)
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
    print("%d passed, %d failed (%d rows compared)" % (cases - failures, failures, rows_checked))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
