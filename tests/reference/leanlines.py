#!/usr/bin/env python3
"""The guide's reader of --batch --json lines, run on random cases.

Random cases (randomcases.py) go through quarvex-cli --batch --json in one
run; the guide's reader (the Python block that defines `expand`) turns each
line and the --items-json document back into texts, which must be those that
quarvex-cli --json writes for the case alone: every input's text, unit, value
and reference interval, every computed row's result, value and
interpretation, the context and rounding notes of each row, the findings and
the hints; every note names its template. The same lines with --full must
give the same texts.

usage: leanlines.py QUARVEX_CLI GUIDE.md [CASES] [SEED] [--german]
"""

import concurrent.futures
import csv
import io
import json
import math
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import randomcases  # noqa: E402


def guide_reader(guide):
    """The guide's Python block that defines expand, run as written."""
    text = open(guide, encoding="utf-8").read()
    for block in text.split("```python")[1:]:
        code = block.split("```")[0]
        lines = code.split("\n")
        indent = min(len(l) - len(l.lstrip()) for l in lines if l.strip())
        code = "\n".join(l[indent:] for l in lines)
        if "def expand(" in code:
            scope = {}
            exec(compile(code, os.path.basename(guide), "exec"), scope)
            return scope["expand"]
    raise SystemExit(guide + " has no Python block that defines expand")


def same_number(a, b):
    if a is None or b is None:
        return a is None and b is None
    return a == b or (math.isnan(a) and math.isnan(b))


def run(cli, args, data=None, locale="en_US.UTF-8"):
    env = dict(os.environ, LC_ALL=locale, LANG=locale)
    done = subprocess.run([cli, *args], input=data, capture_output=True, env=env, timeout=600)
    if done.returncode != 0:
        raise RuntimeError("quarvex-cli %s exited %d: %s"
                           % (" ".join(args), done.returncode, done.stderr.decode()))
    return done.stdout.decode("utf-8")


def main():
    positional = [a for a in sys.argv[1:] if not a.startswith("--")]
    german = "--german" in sys.argv
    cli, guide = positional[0], positional[1]
    sys.argv = [sys.argv[0], cli] + positional[2:] + (["--german"] if german else [])
    runner = randomcases.Run(1000)
    expand = guide_reader(guide)
    locale_name = "de_DE" if german else "en_US"

    cases = [runner.typed(fields) for _, fields in runner.random_cases()]
    names = ["Case"] + sorted({name for fields in cases for name in fields})
    table = io.StringIO()
    writer = csv.writer(table, delimiter=";" if german else ",", lineterminator="\n")
    writer.writerow(names)
    for number, fields in enumerate(cases):
        writer.writerow(["c%d" % number] + [fields.get(name, "") for name in names[1:]])
    data = table.getvalue().encode()
    lines = run(cli, ["--batch", "--json", "--locale", locale_name, "--threads", "2"], data)
    full = run(cli, ["--batch", "--json", "--full", "--locale", locale_name], data)
    shared = json.loads(run(cli, ["--items-json", "--locale", locale_name]))
    lines, full = lines.splitlines(), full.splitlines()
    assert len(lines) == len(cases) == len(full), (len(lines), len(cases), len(full))

    fields = [f["field"] for f in shared["fields"]]
    items = [item["name"] for item in shared["items"]]

    def single(fields_of_case):
        text = "".join("%s=%s\n" % (k, v) for k, v in fields_of_case.items())
        return json.loads(run(cli, ["--json", "--locale", locale_name], text.encode()))

    with concurrent.futures.ThreadPoolExecutor(2) as pool:
        documents = list(pool.map(single, cases))

    failures = []
    for number, (line, whole, document) in enumerate(zip(lines, full, documents)):
        def fail(what, got, wanted):
            failures.append("case %d, %s: %r, --json has %r" % (number, what, got, wanted))

        inputs, results, notes = expand(line, shared)
        case = json.loads(line)
        standalone = json.loads(whole)
        if case["case"] != "c%d" % number:
            fail("case", case["case"], "c%d" % number)
        wanted_inputs = {i["field"]: i for i in document["inputs"]}
        if set(inputs) != set(wanted_inputs):
            fail("fields given", sorted(inputs), sorted(wanted_inputs))
        hints = {}
        for field, text in case["hints"]:
            hints.setdefault(fields[field], []).append(text)
        for name, wanted in wanted_inputs.items():
            got = inputs.get(name)
            if got is None:
                continue
            text, unit, value, reference = got
            if (text, unit, reference) != (wanted["text"], wanted["unit"], wanted["reference"]) \
                    or not same_number(value, wanted["value"]):
                fail("input " + name, got, wanted)
            if standalone["inputs"].get(name) != [text, unit, value, reference] \
                    and not same_number(standalone["inputs"].get(name, [0, 0, 0])[2], value):
                fail("--full input " + name, standalone["inputs"].get(name), got)
            if hints.get(name, []) != wanted["hints"]:
                fail("hints on " + name, hints.get(name, []), wanted["hints"])
        findings = [[items[i], None if f is None else fields[f], kind, text]
                    for i, f, kind, text in case["findings"]]
        wanted_findings = [[item["name"], f["field"], f["kind"], f["text"]]
                           for item in document["items"] for f in item["findings"]]
        if findings != wanted_findings:
            fail("findings", findings, wanted_findings)
        wanted_rows = {}
        wanted_notes = []
        for item in document["items"]:
            for row in item["rows"]:
                wanted_rows[row["name"]] = [row["result"], row["value"], row["interpretation"]]
                wanted_notes += [[row["name"], n["text"]] for n in row["notes"]
                                 if n["kind"] in ("context", "rounding")]
        if set(results) != set(wanted_rows):
            fail("rows computed", sorted(results), sorted(wanted_rows))
        for name, wanted in wanted_rows.items():
            got = results.get(name)
            if got is None:
                continue
            if got[0] != wanted[0] or got[2] != wanted[2] or not same_number(got[1], wanted[1]):
                fail("row " + name, got, wanted)
            alone = standalone["rows"].get(name)
            if alone is None or alone[0] != got[0] or alone[2] != got[2]:
                fail("--full row " + name, alone, got)
        if notes != wanted_notes:
            fail("notes", notes, wanted_notes)
        for note in case["notes"]:
            if not isinstance(note[1], int):
                fail("a note written as its text, not by its template", note[1], None)
        alone_notes = [[name, n[1]] for name, list_ in standalone["notes"].items() for n in list_]
        if sorted(alone_notes) != sorted(notes):
            fail("--full notes", alone_notes, notes)

    longest = max(len(line.encode()) for line in lines)
    print("%d cases, %d with notes, longest line %d bytes"
          % (len(lines), sum(1 for l in lines if json.loads(l)["notes"]), longest))
    for failure in failures[:20]:
        print("FAIL", failure)
    if failures:
        print("%d failures" % len(failures))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
