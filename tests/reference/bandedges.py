#!/usr/bin/env python3
"""Every band edge of every item, generated from the program's own band tables.

    bandedges.py QUARVEX_CLI

quarvex-cli --json on the example case (once as a man, once as a woman, and
once more with urine creatinine in mmol/L for the rows worked in that unit)
gives every row's formula as an expression and its band table. For each edge of
each table the script types the values that put the row's value at the edge
and just below and just above it (a relative 1e-6 away, well beyond the
1e-9 within which a value counts as equal to a bound), in the formula unit and
in every other unit of the analyte it varies. Each case is checked twice:

- the band the program chose is the one its table says: at the edge the
  band the edge belongs to, below it the band below, above it the band above;
- every row (name, result and interpretation) equals the independent
  reference's (reference.py), which writes the bands from the rules of the
  items, not from the program's tables: a bound made inclusive where it should
  not be (or the other way round) changes the text at the edge and fails.
"""

import concurrent.futures
import json
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import randomcases  # noqa: E402
import reference  # noqa: E402

EXAMPLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples",
                       "overview-input.txt")
SIDE = 1e-6  # how far beside an edge the values on either side lie, relative

IDENTIFIER = re.compile(r"[A-Za-z_][A-Za-z_0-9]*")
# The calls an expression may hold besides + - * / and brackets.
FUNCTIONS = {"min": min, "max": max, "pow": pow}


def example_fields(gender, si=False):
    fields = {}
    with open(EXAMPLE, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line and not line.startswith("#") and "=" in line:
                name, text = line.split("=", 1)
                fields[name] = text
    fields["Gender"] = gender
    if si:
        # The same urine creatinine (110 mg/dL) in mmol/L.
        fields["UrineCreatinine"], fields["UnitUrineCreatinine"] = "9.724", "mmol/L"
    return fields


# The example cases: a man, a woman, and the man with urine creatinine in
# mmol/L, of which only the rows worked differently then are tried.
EXAMPLES = {"Male": ("Male", False), "Female": ("Female", False),
            "Male, SI urine creatinine": ("Male", True)}


def formula_units(name):
    """(unit text, multiply, divide) of the formula unit first, then the others."""
    units = reference.UNITS.get(name)
    if not units:
        return [(None, 1, 1)]
    ordered = sorted(units.items(), key=lambda kv: kv[1] != (1, 1))
    return [(unit, m, d) for unit, (m, d) in ordered]


def evaluator(expression, values, free):
    """The row's value as a function of the free analyte's value (formula unit)."""
    code = compile(IDENTIFIER.sub(lambda m: m.group(0) if m.group(0) in FUNCTIONS
                                  else "v[%r]" % m.group(0), expression), "<expr>", "eval")

    def f(x):
        v = dict(values)
        v[free] = x
        return eval(code, {"__builtins__": {}}, dict(FUNCTIONS, v=v))  # noqa: S307
    return f


def bisect(f, target):
    """The x at which f(x) == target for a monotonic f (the eGFR in serum
    creatinine), halving a bracket between 1e-9 and 1e9 on a log scale."""
    lo, hi = 1e-9, 1e9
    flo, fhi = f(lo) - target, f(hi) - target
    if flo == 0:
        return lo
    if (flo < 0) == (fhi < 0):
        return None
    for _ in range(400):
        mid = (lo * hi) ** 0.5 if hi / lo > 4 else (lo + hi) / 2
        fm = f(mid) - target
        if fm == 0:
            return mid
        if (fm < 0) == (flo < 0):
            lo, flo = mid, fm
        else:
            hi = mid
    return lo


def solve(f, target):
    """The x at which f(x) == target, for f linear in x or in 1/x, else
    monotonic."""
    f1, f2 = f(1.0), f(2.0)
    candidates = []
    if f2 != f1:
        b = f2 - f1
        candidates.append((target - (f1 - b)) / b)
    b = 2 * (f1 - f2)
    if b and target != f1 - b:
        candidates.append(b / (target - (f1 - b)))
    candidates.append(bisect(f, target))
    for x in candidates:
        if x is not None and x > 0 and abs(f(x) - target) <= 1e-12 * abs(target):
            return x
    return None


def targets(edge, k, at, shown):
    """(side, row value, band expected) around an edge. A row decided on its
    shown number (whole or one decimal) is tried where it shows the edge and
    where it shows the number next to it: 89.5 shows 90 and is in 90's band."""
    if shown not in ("whole", "fixed1"):
        return (("at", edge, at), ("below", edge * (1 - SIDE), k),
                ("above", edge * (1 + SIDE), k + 1))
    half = (0.1 if shown == "fixed1" else 1.0) / 2
    near = half / 100
    return (("at", edge, at),
            ("shown as the edge, from below", edge - half + near, at),
            ("below", edge - half - near, k),
            ("shown as the edge, from above", edge + half - near, at),
            ("above", edge + half + near, k + 1))


def cases(cli_json):
    """(label, fields, item name, row name, expected band index) for every edge."""
    out = []
    seen = set()
    for gender, doc in cli_json.items():
        values = {i["field"]: i["value"] for i in doc["inputs"]}
        base = example_fields(*EXAMPLES[gender])
        for item in doc["items"]:
            for row in item["rows"]:
                bands = row["bands"]
                names = [n for n in IDENTIFIER.findall(row["expression"]) if n in values]
                if len(bands) < 2 or not names:
                    continue
                key = (item["name"], row["name"], row["expression"], json.dumps(bands))
                if EXAMPLES[gender][1] and key in seen:
                    continue
                seen.add(key)
                free = names[0]
                f = evaluator(row["expression"], values, free)
                for k, band in enumerate(bands[:-1]):
                    edge = band["upper"]
                    at = k if band["upperIncluded"] else k + 1
                    for side, target, expected in targets(edge, k, at, row["shown"]):
                        x = solve(f, target)
                        if x is None:
                            continue
                        for unit, m, d in formula_units(free):
                            fields = dict(base)
                            fields[free] = repr(x * d / m)
                            if unit:
                                fields["Unit" + free] = unit
                            label = "%s / %s [%s]: %s %g, %s typed in %s" % (
                                item["name"], row["name"], gender, side, edge, free,
                                unit or "its unit")
                            out.append((label, fields, item["name"], row["name"], expected))
    return out


def main():
    run = randomcases.Run(0)
    docs = {g: json.loads(run.output(example_fields(*EXAMPLES[g]), "--json")) for g in EXAMPLES}
    all_cases = cases(docs)

    # Every finite edge of every table is tried.
    edges = set()
    for doc in docs.values():
        for item in doc["items"]:
            for row in item["rows"]:
                for band in row["bands"][:-1]:
                    edges.add((item["name"], row["name"], band["upper"]))
    tried = {(c[2], c[3], float(re.search(r"(?:at|below|above) (\S+),", c[0]).group(1)))
             for c in all_cases}
    failures = ["edge never tried: %s / %s at %g" % e for e in sorted(edges)
                if (e[0], e[1], float("%g" % e[2])) not in tried]

    def check(case):
        label, fields, item_name, row_name, expected = case
        problems = []
        doc = json.loads(run.output(fields, "--json"))
        item = next(i for i in doc["items"] if i["name"] == item_name)
        if not item["computed"]:
            return ["%s: not computed (%s)" % (label, item["findings"])]
        row = next(r for r in item["rows"] if r["name"] == row_name)
        chosen = row["bands"].index(row["band"]) if row["band"] in row["bands"] else -1
        if chosen != expected:
            problems.append("%s: band %d chosen, the table says %d (value %r)"
                            % (label, chosen, expected, row["value"]))
        got = [(r["name"], r["result"], r["interpretation"])
               for i in doc["items"] if i["computed"] for r in i["rows"]]
        want = reference.overview_rows(fields)
        if got != want:
            diff = [(g, w) for g, w in zip(got, want) if g != w] or [(len(got), len(want))]
            problems.append("%s: rows differ from the reference: %r" % (label, diff[:2]))
        return problems

    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        for problems in pool.map(check, all_cases):
            failures.extend(problems)
    for line in failures[:20]:
        print(line)
    print("%d edges, %d cases, %d failures" % (len(edges), len(all_cases), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
