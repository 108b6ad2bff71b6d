#!/usr/bin/env python3
"""Reads quarvex-cli --json for random sets of data entry fields and checks
that every row explains itself, independently of the program's arithmetic:

  - the row's expression, evaluated with the inputs' values, gives the row's
    value (relative 1e-12);
  - the shown result is that value formatted as the row says;
  - the marked band holds the value under the band-edge rule (relative 1e-9),
    and no other band of the row does;
  - every item names at least one source.

    consistency.py QUARVEX_CLI [CASES] [SEED] [--german]
"""

import json
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import randomcases  # noqa: E402
import reference  # noqa: E402

TOKEN = re.compile(r"\s*(?:(\d+(?:\.\d+)?(?:[eE][-+]?\d+)?)|([A-Za-z][A-Za-z0-9]*)|(.))")


FUNCTIONS = {"min": min, "max": max, "pow": pow}


class Expression:
    """A recursive-descent reader of numbers, names, + - * /, brackets, a
    leading minus and the calls min(a, b), max(a, b) and pow(a, b); nothing
    else is accepted (no other calls, no attributes, no eval)."""

    def __init__(self, text, names):
        self.tokens = []
        for m in TOKEN.finditer(text):
            number, name, other = m.groups()
            if number:
                self.tokens.append(("num", float(number)))
            elif name in FUNCTIONS:
                self.tokens.append(("call", name))
            elif name:
                if name not in names:
                    raise ValueError("unknown name %r in %r" % (name, text))
                self.tokens.append(("num", names[name]))
            elif other and other.strip():
                if other not in "+-*/(),":
                    raise ValueError("bad character %r in %r" % (other, text))
                self.tokens.append(("op", other))
        self.pos = 0

    def peek(self):
        return self.tokens[self.pos] if self.pos < len(self.tokens) else (None, None)

    def take(self):
        token = self.peek()
        self.pos += 1
        return token

    def value(self):
        v = self.sum()
        if self.pos != len(self.tokens):
            raise ValueError("trailing tokens")
        return v

    def sum(self):
        v = self.product()
        while self.peek() in (("op", "+"), ("op", "-")):
            op = self.take()[1]
            r = self.product()
            v = v + r if op == "+" else v - r
        return v

    def product(self):
        v = self.atom()
        while self.peek() in (("op", "*"), ("op", "/")):
            op = self.take()[1]
            r = self.atom()
            if op == "*":
                v = v * r
            else:
                v = v / r if r != 0 else float("inf")
        return v

    def atom(self):
        kind, v = self.take()
        if kind == "num":
            return v
        if (kind, v) == ("op", "-"):
            return -self.atom()
        if kind == "call":
            if self.take() != ("op", "("):
                raise ValueError("%s without its bracket" % v)
            a = self.sum()
            if self.take() != ("op", ","):
                raise ValueError("%s needs two operands" % v)
            b = self.sum()
            if self.take() != ("op", ")"):
                raise ValueError("unclosed call of %s" % v)
            return FUNCTIONS[v](a, b)
        if (kind, v) == ("op", "("):
            inner = self.sum()
            if self.take() != ("op", ")"):
                raise ValueError("unclosed bracket")
            return inner
        raise ValueError("unexpected token %r" % (v,))


def holds(band, value):
    lo, hi = band["lower"], band["upper"]
    if lo is not None and not (reference.ge(value, lo) if band["lowerIncluded"]
                               else reference.gt(value, lo)):
        return False
    if hi is not None and not (reference.le(value, hi) if band["upperIncluded"]
                               else reference.lt(value, hi)):
        return False
    return True


def check_case(doc, german):
    problems = []
    names = {i["field"]: i["value"] for i in doc["inputs"] if i["value"] is not None}
    if len(doc["items"]) != 28:
        problems.append("%d items" % len(doc["items"]))
    for item in doc["items"]:
        if not item["sources"]:
            problems.append("%s: no source" % item["name"])
        if item["computed"] != (not item["findings"]):
            problems.append("%s: computed %r with findings %r"
                            % (item["name"], item["computed"], item["findings"]))
        for row in item["rows"]:
            where = "%s / %s" % (item["name"], row["name"])
            value = row["value"]
            if value is None:
                problems.append("%s: no value" % where)
                continue
            got = Expression(row["expression"], names).value()
            if abs(got - value) > 1e-12 * abs(value):
                problems.append("%s: %s gives %r, stated %r"
                                % (where, row["expression"], got, value))
            shown = {"fixed2": lambda: reference.fmt(value) + row["suffix"],
                     "fixed1": lambda: reference.fmt_places(value, 1) + row["suffix"],
                     "whole": lambda: reference.fmt_places(value, 0) + row["suffix"],
                     "plain": lambda: reference.plain(value)}.get(row["shown"])
            if shown:
                expected = shown()
                if german:
                    # The number only: a unit such as "mL/min/1.73 m²" keeps its point.
                    number, space, unit = expected.partition(" ")
                    expected = number.replace(".", ",") + space + unit
                if row["result"] != expected:
                    problems.append("%s: result %r, value formatted %r"
                                    % (where, row["result"], expected))
            bands = row["bands"]
            marked = row["band"]
            if bands and marked is None:
                problems.append("%s: bands but none marked" % where)
            # A whole-number or one-decimal row is banded on the number it shows.
            decided = value
            if row["shown"] in ("whole", "fixed1"):
                decided = float(reference.fmt_places(value, 1 if row["shown"] == "fixed1" else 0))
            holding = [b for b in bands if holds(b, decided)]
            if marked is not None and holding != [marked]:
                problems.append("%s: value %r marked %r, held by %r"
                                % (where, value, marked, holding))
            if marked is not None and marked["text"]:
                if marked["text"] not in row["interpretation"] + row["result"]:
                    problems.append("%s: band text not shown" % where)
    return problems


def main():
    run = randomcases.Run(200)
    failures = rows = 0
    for case, fields in run.random_cases():
        fields = run.typed(fields)
        doc = json.loads(run.output(fields, "--json"))
        rows += sum(len(i["rows"]) for i in doc["items"])
        problems = check_case(doc, run.german)
        if problems:
            failures += 1
            if failures <= 5:
                print("case %d: fields %r" % (case, fields))
                for p in problems[:10]:
                    print("  " + p)
    print("%d passed, %d failed (%d rows checked)" % (run.cases - failures, failures, rows))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
