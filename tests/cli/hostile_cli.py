"""quarvex-cli under careless and hostile use: where the output goes, what the
input looks like, how large it is and what the messages show. Every case runs
the program from outside, in single mode and, where it has one, in batch mode,
and says what it expected when it fails.

Usage: hostile_cli.py CLI EXAMPLE_INPUT GOLDEN_EXPORT"""
import csv
import io
import os
import stat
import subprocess
import sys
import tempfile
import threading

CLI, EXAMPLE, GOLDEN = (os.path.abspath(a) for a in sys.argv[1:4])
ENV = dict(os.environ, LC_ALL="en_US.UTF-8", LANG="en_US.UTF-8",
           SOURCE_DATE_EPOCH="1709251199")  # 2024-02-29
for name in ("LC_NUMERIC", "LANGUAGE"):
    ENV.pop(name, None)

with open(EXAMPLE, "rb") as f:
    EXAMPLE_BYTES = f.read()
with open(GOLDEN, "rb") as f:
    EXPORT = f.read()
HEADER = EXPORT[:EXPORT.index(b"\r\n\r\nTest Item")] + b"\r\n\r\nTest Item\tResult\tInterpretation\r\n\r\n"
ROWS = EXPORT.count(b"\r\n") - 6
TMP = tempfile.mkdtemp(prefix="quarvex-hostile-")


def to_batch(lines):
    """A Name=text input as a batch CSV of one case (its values in English
    number format, so its Locale= line has no column)."""
    pairs = [l.split(b"=", 1) for l in lines.replace(b"\r\n", b"\n").split(b"\n")
             if b"=" in l and not l.startswith(b"#") and not l.startswith(b"Locale=")]
    text = io.StringIO(newline="")
    writer = csv.writer(text, lineterminator="\r\n")
    writer.writerow(["Case"] + [k.decode() for k, v in pairs])
    writer.writerow(["case 1"] + [v.decode() for k, v in pairs])
    return text.getvalue().encode()


BATCH_INPUT = to_batch(EXAMPLE_BYTES)


def path(name):
    return os.path.join(TMP, name)


def write(name, data):
    with open(path(name), "wb") as f:
        f.write(data)
    return path(name)


def run(args, stdin=b"", env=ENV, shell=False, timeout=60):
    cmd = args if shell else [CLI] + args
    return subprocess.run(cmd, input=stdin, capture_output=True, env=env, shell=shell,
                          timeout=timeout, cwd=TMP)


def sh(script):
    """Runs a shell line with $CLI set, so redirections are the shell's."""
    return run("CLI='%s'; %s" % (CLI, script), shell=True)


def expect(cond, what, result=None):
    if not cond:
        extra = ""
        if result is not None:
            extra = "\n  exit %s\n  stdout %r\n  stderr %r" % (
                result.returncode, result.stdout[:300], result.stderr[:600])
        raise AssertionError(what + extra)


def read(p):
    with open(p, "rb") as f:
        return f.read()


def rows_of(out):
    return out.count(b"\r\n") - 6


BATCH_EXAMPLE = write("example.csv", BATCH_INPUT)
_ref = run(["--batch", BATCH_EXAMPLE])
assert _ref.returncode == 0 and not _ref.stderr, _ref
BATCH_EXPORT = _ref.stdout
# Each mode: its arguments before the input, its example input file and what
# that gives on standard output.
MODES = (("single", [], EXAMPLE, EXPORT), ("batch", ["--batch"], BATCH_EXAMPLE, BATCH_EXPORT))


def batch_cells(out):
    """The one case of a batch output as {column: cell}."""
    records = list(csv.reader(io.StringIO(out.decode(), newline="")))
    return dict(zip(records[0], records[1]))


# --- output ----------------------------------------------------------------

def own_output_appends():
    # Each name of the program's own standard output (or error) is written
    # through the descriptor the shell opened for appending.
    for mode, args, example, expected in MODES:
        opts = " ".join(args)
        for target, redirect in (("/dev/stdout", ">>"), ("/dev/fd/1", ">>"),
                                 ("/proc/self/fd/1", ">>"), ("/dev/stderr", "2>>"),
                                 ("/dev/fd/2", "2>>")):
            log = write("log.txt", b"earlier line\n")
            r = sh("\"$CLI\" %s '%s' -o %s %s '%s'" % (opts, example, target, redirect, log))
            what = "%s: -o %s %s log" % (mode, target, redirect)
            expect(r.returncode == 0, what + ": exit 0", r)
            expect(read(log) == b"earlier line\n" + expected,
                   what + " keeps the earlier line and appends the output", r)
        log = path("log.txt")
        r = sh("{ echo BEFORE; \"$CLI\" %s '%s' -o /dev/stdout; echo AFTER; } > '%s'"
               % (opts, example, log))
        expect(r.returncode == 0 and read(log) == b"BEFORE\n" + expected + b"AFTER\n",
               "%s: -o /dev/stdout inside { echo BEFORE; ...; echo AFTER; } > log keeps both"
               % mode, r)
    # A skipped row's message and the output both reach the log.
    skipped = write("skipped.csv", BATCH_INPUT + b"short\r\n")
    log = write("log.txt", b"earlier line\n")
    r = sh("\"$CLI\" --batch '%s' -o /dev/stderr 2>> '%s'" % (skipped, log))
    lines = read(log).split(b"\n")
    message = [l for l in lines if b"line 3: 1 field where the header has" in l]
    expect(r.returncode == 3 and len(message) == 1 and
           b"\n".join(l for l in lines if l not in message) == b"earlier line\n" + BATCH_EXPORT,
           "batch: -o /dev/stderr 2>> log keeps the earlier line, the output and the message", r)


def fifo_written_in_place():
    for mode, args, example, expected in MODES:
        fifo = path("fifo")
        if os.path.exists(fifo):
            os.unlink(fifo)
        os.mkfifo(fifo)
        got = []
        reader = threading.Thread(target=lambda: got.append(read(fifo)))
        reader.start()
        r = run(args + [example, "-o", fifo])
        reader.join(30)
        expect(r.returncode == 0, "%s: a FIFO is written: exit 0" % mode, r)
        expect(got == [expected], "%s: the reader of the FIFO gets the output" % mode)
        expect(stat.S_ISFIFO(os.lstat(fifo).st_mode),
               "%s: the FIFO is still a FIFO, not replaced" % mode)


def dash_is_stdout():
    for mode, args, example, expected in MODES:
        r = run(args + [example, "-o", "-"])
        expect(r.returncode == 0 and r.stdout == expected,
               "%s: -o - writes to standard output" % mode, r)
        expect(not os.path.exists(path("-")), "%s: -o - makes no file named -" % mode)
    # Standard input to standard output, with a file named - beside.
    write("-", b"not to be replaced\n")
    r = run(["--batch", "-", "-o", "-"], stdin=BATCH_INPUT)
    expect(r.returncode == 0 and r.stdout == BATCH_EXPORT,
           "batch: --batch - -o - reads standard input and writes standard output", r)
    expect(read(path("-")) == b"not to be replaced\n", "batch: a file named - is left alone")
    os.unlink(path("-"))


def output_is_input():
    for mode, args, example, expected in MODES:
        copy = write("input-copy", read(example))
        for name, extra, stdin in (("the input file", [copy], b""),
                                   ("standard input's file", ["-"], None)):
            if stdin is None:
                with open(copy, "rb") as f:
                    r = subprocess.run([CLI] + args + extra + ["-o", copy], stdin=f,
                                       capture_output=True, env=ENV, cwd=TMP, timeout=60)
            else:
                r = run(args + extra + ["-o", copy], stdin=stdin)
            expect(r.returncode == 2 and b"names the input" in r.stderr and not r.stdout,
                   "%s: -o naming %s is refused: exit 2" % (mode, name), r)
            expect(read(copy) == read(example), "%s: -o naming %s leaves it" % (mode, name), r)


def option_errors():
    out1, out2 = path("one.txt"), path("two.txt")
    for mode, args, example, expected in MODES:
        cases = [
            ("a second -o", [example, "-o", out1, "-o", out2], 2, b"only one -o"),
            ("-o without a name", [example, "-o"], 2, b"-o needs a file name"),
            ("an unknown option", ["--frobnicate", example], 2, b"unknown option --frobnicate"),
            ("an unknown option, escaped", ["--\x1b[2J", example], 2,
             b"unknown option --\\x1b[2J"),
            ("two inputs", [example, example], 2, b"only one input file"),
        ]
        for name, extra, code, message in cases:
            r = run(args + extra)
            expect(r.returncode == code, "%s: %s: exit %d" % (mode, name, code), r)
            expect(message in r.stderr, "%s: %s: stderr names it" % (mode, name), r)
            expect(not os.path.exists(out1) and not os.path.exists(out2),
                   "%s: %s: nothing written" % (mode, name), r)


def double_dash_ends_options():
    for mode, args, example, expected in MODES:
        write("-o", read(example))
        r = subprocess.run([CLI] + args + ["--", "-o"], cwd=TMP, capture_output=True, env=ENV)
        expect(r.returncode == 0 and r.stdout == expected,
               "%s: -- then -o reads the file named -o" % mode, r)


def write_failures():
    for mode, args, example, expected in MODES:
        for target, reason in (("/dev/full", b"No space left on device"),
                               (path("missing/out.txt"), b"No such file or directory")):
            before = sorted(os.listdir(TMP))
            r = run(args + [example, "-o", target])
            expect(r.returncode == 1 and reason in r.stderr and not r.stdout,
                   "%s: -o %s: exit 1 with the reason" % (mode, target), r)
            expect(sorted(os.listdir(TMP)) == before,
                   "%s: -o %s: nothing left behind" % (mode, target), r)


def file_size_limit():
    out = path("limited.txt")
    for mode, args, example, expected in MODES:
        opts = " ".join(args)
        for existing in (None, b"the old export\n"):
            if existing is None:
                if os.path.exists(out):
                    os.unlink(out)
            else:
                write("limited.txt", existing)
            before = sorted(os.listdir(TMP))
            r = sh("ulimit -f 1; exec \"$CLI\" %s '%s' -o '%s'" % (opts, example, out))
            what = "%s: over the file-size limit" % mode
            expect(r.returncode == 1, what + ": exit 1, not a signal", r)
            expect(b"File too large" in r.stderr, what + ": says File too large", r)
            expect(sorted(os.listdir(TMP)) == before, what + ": nothing left behind", r)
            if existing is not None:
                expect(read(out) == existing, what + ": the old file is kept", r)
        r = sh("ulimit -f 1; exec \"$CLI\" %s '%s' > '%s'" % (opts, example, out))
        expect(r.returncode == 1 and b"File too large" in r.stderr,
               "%s: standard output over the file-size limit: exit 1, File too large" % mode, r)


def pdf_over_the_file_size_limit():
    # The PDFs go through the same atomic output: a write that fails leaves
    # the old file as it was and nothing behind, with exit 1 and the reason.
    for option in ("--pdf", "--key-pdf"):
        out = write("sheets.pdf", b"the old sheets\n")
        before = sorted(os.listdir(TMP))
        r = sh("ulimit -f 8; exec \"$CLI\" --worksheet --items tibc-calculated --versions 3 "
               "%s '%s' -o /dev/null" % (option, out))
        what = "%s over the file-size limit" % option
        expect(r.returncode == 1 and b"File too large" in r.stderr, what + ": exit 1, says why", r)
        expect(read(out) == b"the old sheets\n", what + ": the old file is kept", r)
        expect(sorted(os.listdir(TMP)) == before, what + ": nothing left behind", r)


def out_of_memory():
    # Far more cases than fit: the run ends with one line and exit 1, never
    # a crash, and an old output file is left as it was.
    if os.environ.get("QUARVEX_SANITIZED"):
        print("SKIP out_of_memory: a sanitized build cannot start under ulimit -v")
        return
    many = write("many.csv", BATCH_INPUT + BATCH_INPUT.split(b"\r\n", 1)[1] * 3000)
    out = write("oom-out.txt", b"the old output\n")
    for mode, args, example in (("single", [], EXAMPLE), ("batch", ["--batch"], many),
                                ("batch --json", ["--batch", "--json"], many),
                                ("batch --threads 64", ["--batch", "--threads", "64"], many)):
        for limit in (100000, 200000):
            r = sh("ulimit -v %d; exec \"$CLI\" %s '%s' -o '%s'"
                   % (limit, " ".join(args), example, out))
            what = "%s under ulimit -v %d" % (mode, limit)
            expect(r.returncode in (0, 1), what + ": exit 0 or 1, not a crash", r)
            if r.returncode == 1:
                expect(r.stderr.count(b"\n") == 1 and b"out of memory" in r.stderr or
                       b"Resource temporarily unavailable" in r.stderr,
                       what + ": one line says memory ran out", r)
                expect(read(out) == b"the old output\n", what + ": the old output is kept", r)
            write("oom-out.txt", b"the old output\n")


# --- input -----------------------------------------------------------------

def line_ends():
    body = EXAMPLE_BYTES.replace(b"\r\n", b"\n")
    for name, data in (("CR only", body.replace(b"\n", b"\r")),
                       ("CR LF", body.replace(b"\n", b"\r\n")),
                       ("mixed", body.replace(b"\n", b"\r", 10).replace(b"\n", b"\r\n", 10))):
        r = run([write("ends.txt", data)])
        expect(r.returncode == 0 and r.stdout == EXPORT and not r.stderr,
               "%s line ends give the example's export, silently" % name, r)
    # A lone CR ends the comment line: the field after it counts.
    r = run([], stdin=b"# comment\rAge=abc\r")
    expect(r.returncode == 0 and b"line 2: Age:" in r.stderr,
           "a CR after a comment ends it; the next field is read as line 2", r)
    # CR LF split over the end of a read stays one line end.
    data = b"#" * 16383 + b"\r\nAge=abc\n"
    r = run([], stdin=data)
    expect(r.returncode == 2 and b"line 1:" in r.stderr,
           "a comment line over the line limit is refused", r)


def trailing_blanks():
    lines = []
    for line in EXAMPLE_BYTES.split(b"\n"):
        if line.startswith(b"Unit"):
            line += b" "
        if line.startswith(b"Gender"):
            line += b" \t"
        lines.append(line)
    r = run([write("blanks.txt", b"\n".join(lines))])
    expect(r.returncode == 0 and r.stdout == EXPORT and not r.stderr,
           "blanks after units and Gender are not part of them", r)


def unknown_texts_warn():
    cases = [
        (b"UnitWeight=KG\n", b'quarvex-cli: warning: UnitWeight: "KG" is not one of kg, lbs\n'),
        (b"Gender=male\n", b'quarvex-cli: warning: Gender: "male" is not one of Male, Female\n'),
        (b"UnitChol=mg/dl\n",
         b'quarvex-cli: warning: UnitChol: "mg/dl" is not one of mg/dL, mmol/L\n'),
    ]
    for line, warning in cases:
        data = b"".join(l + b"\n" for l in EXAMPLE_BYTES.split(b"\n")
                        if not l.startswith(line.split(b"=")[0] + b"="))
        r = run([], stdin=data + line)
        expect(r.returncode == 0, "%r: still exit 0" % line, r)
        expect(r.stderr == warning, "%r: one warning naming the field" % line, r)
        expect(rows_of(r.stdout) < ROWS, "%r: the items that need it are left out" % line, r)
    # An empty unit is no typing mistake: items are left out without a warning.
    r = run([], stdin=EXAMPLE_BYTES.replace(b"UnitWeight=kg", b"UnitWeight="))
    expect(r.returncode == 0 and not r.stderr, "an empty unit gives no warning", r)


def limits():
    MiB = 1024 * 1024
    comment_line = b"#" + b"x" * 99 + b"\n"
    n = MiB // len(comment_line)
    exact = comment_line * n + b"#" * (MiB - n * len(comment_line) - 1) + b"\n"
    cases = [
        ("1 MiB of comments is read", exact, 0, None),
        ("one byte over 1 MiB", exact + b"\n", 2, b"line %d: the input is larger than 1048576 bytes"
         % (n + 2)),
        ("a line of 4096 bytes is read", b"#" + b"y" * 4095 + b"\n", 0, None),
        ("a line of 4097 bytes", b"Age=40\n#" + b"y" * 4096 + b"\n", 2,
         b"line 2: the line is longer than 4096 bytes"),
        ("a 4097-byte line ended by CR LF", b"#" + b"y" * 4096 + b"\r\n", 2,
         b"line 1: the line is longer than 4096 bytes"),
        ("an unknown name stops before the rest is read", b"Nope=1\n" + b"#" * (2 * MiB), 2,
         b"line 1: unknown field name \"Nope\""),
    ]
    for name, data, code, message in cases:
        r = run([write("limit.txt", data)])
        expect(r.returncode == code, "%s: exit %d" % (name, code), r)
        if message:
            expect(message in r.stderr, "%s: stderr says %r" % (name, message), r)
            expect(not r.stdout, "%s: nothing computed or written" % name, r)
    r = run(["/dev/zero"], timeout=20)
    expect(r.returncode == 2 and b"line 1: the line is longer than 4096 bytes" in r.stderr,
           "/dev/zero is refused at its first line", r)
    r = sh("head -c 200000000 /dev/zero | tr '\\0' '#' | \"$CLI\" -")
    expect(r.returncode == 2 and b"standard input: line 1: the line is longer" in r.stderr,
           "a 200 MB line on standard input is refused", r)


def messages_are_short_and_escaped():
    value = b"\x1b[2J" + b"9" * 100
    r = run([], stdin=b"Age=" + value + b"\n")
    expect(r.returncode == 0, "a long bad value: exit 0", r)
    expected = ('quarvex-cli: line 1: Age: Age: "\\x1b[2J' + "9" * 36 + '\u2026" is not a number.'
                ' Type a number such as 1.2.\n').encode()
    expect(r.stderr == expected, "the value is cut after 40 characters, ESC escaped", r)
    expect(b"\x1b" not in r.stderr, "no raw escape reaches the terminal", r)
    r = run([], stdin=b"\x1b]0;title\x07" + b"z" * 80 + b"\n")
    expect(r.returncode == 2 and b'found "\\x1b]0;title\\x07' + b"z" * 30 + "\u2026\"".encode()
           in r.stderr, "a line without = is quoted short and escaped", r)
    r = run([], stdin=b"Age\r=1\n")  # CR ends the line "Age"
    expect(r.returncode == 2 and b'line 1: expected Name=text, found "Age"' in r.stderr,
           "a CR inside a line ends it", r)
    # A file name is printed as it is.
    r = run([path("missing %1 %2.txt")])
    expect(r.returncode == 2 and ("missing %1 %2.txt: ").encode() in r.stderr,
           "a file name with %1 is printed as it is", r)
    r = run([], stdin=b"Gender=Male\nGender=Female\n")
    expect(r.returncode == 2 and b"line 2: Gender was already given on line 1" in r.stderr,
           "a field given twice names both lines", r)


def empty_input():
    for name, data in (("nothing", b""), ("only comments", b"# nothing here\n\n"),
                       ("only CRs", b"\r\r\r")):
        r = run([], stdin=data)
        expect(r.returncode == 0 and r.stdout == HEADER,
               "%s: the header and no rows" % name, r)
        expect(r.stderr == b"quarvex-cli: warning: no fields given\n",
               "%s: warns that no fields were given" % name, r)


def senseless_values():
    cases = [
        (b"SerumCreatinine=1e-310\n", b"SerumCreatinine: Serum creatinine: 1e-310 is too small"),
        (b"ALT=1e-320\n", b"ALT: ALT: 1e-320 is too small"),
        (b"SerumCreatinine=1e309\n", b"SerumCreatinine: Serum creatinine: 1e309 is too large"),
    ]
    for line, message in cases:
        key = line.split(b"=")[0] + b"="
        data = b"".join(l + b"\n" for l in EXAMPLE_BYTES.split(b"\n") if not l.startswith(key))
        r = run([], stdin=data + line)
        expect(r.returncode == 0 and message in r.stderr, "%r: %r" % (line, message), r)
        results = [row.split(b"\t")[1] for row in r.stdout.split(b"\r\n")[6:-1]]
        expect(all(b"inf" not in x and b"nan" not in x for x in results),
               "%r: no infinity or NaN among the results" % line, r)
        expect(rows_of(r.stdout) < ROWS, "%r: the items that need it are left out" % line, r)
    r = run([], stdin=b"SerumCreatinine=32767\nUnitSerumCreatinine=mg/dL\nUrineCreatinine=1e-300\n"
                      b"UnitUrineCreatinine=mg/dL\nSerumSodium=1e-300\nUrineSodium=32767\n")
    expect(r.returncode == 0 and r.stdout == HEADER, "results beyond the doubles give no rows", r)
    # The values are also far outside what patients show: their hints follow.
    expect(r.stderr.startswith(b"quarvex-cli: warning: Renal Failure Index (RFI): the result is not"
                               b" a finite number, so there is none\nquarvex-cli: warning:"
                               b" Fractional Sodium Excretion: the result is not a finite number,"
                               b" so there is none\n") and
           r.stderr.count(b"is not a finite number") == 2,
           "each item whose result is not finite is named", r)


def number_format_from_lc_numeric():
    data = (b"Age=40\nWeight=70,5\nUnitWeight=kg\nGender=Male\nSerumCreatinine=1,5\n"
            b"UnitSerumCreatinine=mg/dL\n")
    env = dict(ENV, LANG="en_US.UTF-8", LC_NUMERIC="de_DE.UTF-8")
    del env["LC_ALL"]
    r = run([], stdin=data, env=env)
    expect(r.returncode == 0 and not r.stderr and b"\t65,28 mL/min\t" in r.stdout,
           "LC_NUMERIC chooses the number format of values and results", r)


# --- the same in batch mode ------------------------------------------------

def batch_line_ends():
    lf = BATCH_INPUT.replace(b"\r\n", b"\n")
    for name, data in (("LF", lf), ("CR LF", BATCH_INPUT), ("mixed", lf.replace(b"\n", b"\r\n", 1)),
                       ("a byte order mark", b"\xef\xbb\xbf" + lf)):
        r = run(["--batch", write("ends.csv", data)])
        expect(r.returncode == 0 and r.stdout == BATCH_EXPORT and not r.stderr,
               "batch: %s gives the example's output, silently" % name, r)
    # Cut inside its last field: "B,80,1" for "B,80,100" is not taken as a case.
    r = run(["--batch", write("cut.csv", lf[:-3])])
    expect(r.returncode == 3 and b"line 2: the last row has no line end" in r.stderr and
           r.stdout.count(b"\r\n") == 1, "batch: a last row cut short is skipped: exit 3", r)


def batch_trailing_blanks():
    header, row = BATCH_INPUT.split(b"\r\n")[:2]
    names = header.split(b",")
    cells = row.split(b",")
    blanked = [c + b" \t" if n.startswith(b"Unit") or n == b"Gender" else c
               for n, c in zip(names, cells)]
    r = run(["--batch", write("blanks.csv", header + b"\r\n" + b",".join(blanked) + b"\r\n")])
    expect(r.returncode == 0 and r.stdout == BATCH_EXPORT and not r.stderr,
           "batch: blanks after units and Gender are not part of them", r)


def batch_unknown_texts():
    for name, text, finding in ((b"UnitWeight", b"KG", '"KG" is not one of kg, lbs'),
                                (b"Gender", b"male", '"male" is not one of Male, Female')):
        data = BATCH_INPUT.replace(b"," + name + b",", b"," + name + b",")
        header, row = data.split(b"\r\n")[:2]
        cells = row.split(b",")
        cells[header.split(b",").index(name)] = text
        r = run(["--batch", write("unknown.csv", header + b"\r\n" + b",".join(cells) + b"\r\n")])
        expect(r.returncode == 0, "batch: %r: still exit 0" % text, r)
        expect(finding in batch_cells(r.stdout)["findings"],
               "batch: %r: the findings name it" % text, r)


def batch_limits():
    r = run(["--batch", "/dev/zero"], timeout=20)
    expect(r.returncode == 2 and b"line 1: the header row: a record of over 1 MB" in r.stderr,
           "batch: /dev/zero is refused at its first record", r)
    r = sh("head -c 200000000 /dev/zero | tr '\\0' '#' | \"$CLI\" --batch -")
    expect(r.returncode == 2 and b"standard input: line 1: the header row: a record of over 1 MB"
           in r.stderr,
           "batch: a 200 MB line on standard input is refused", r)


def batch_messages_are_short_and_escaped():
    r = run(["--batch"], stdin=b"Case,Age\r\na,\x1b[2J" + b"9" * 100 + b"\r\n")
    expect(r.returncode == 0 and b"\x1b" not in r.stdout, "batch: no raw escape in the output", r)
    expect('Age: "\\x1b[2J' + "9" * 36 + '\u2026" is not a number' in batch_cells(r.stdout)["findings"],
           "batch: the value is cut after 40 characters, ESC escaped", r)
    r = run(["--batch"], stdin=b"Case,\x1b]0;title\x07" + b"z" * 3000 + b"\n")
    expect(r.returncode == 2 and b"\x1b" not in r.stderr and b"\x07" not in r.stderr and
           len(r.stderr) < 400, "batch: a bad column name is quoted short and escaped", r)
    r = run(["--batch", path("missing %1 %2.csv")])
    expect(r.returncode == 2 and b"missing %1 %2.csv: " in r.stderr,
           "batch: a file name with %1 is printed as it is", r)
    r = run(["--batch"], stdin=b"Case,Age\r\n\xff,1\r\nb,2\r\n")
    expect(r.returncode == 3 and b"line 2: not UTF-8 text; row skipped" in r.stderr and
           r.stdout.count(b"\r\n") == 2, "batch: a Case that is not UTF-8 is refused", r)


def batch_empty_input():
    for name, data in (("nothing", b""), ("only blank lines", b"\r\n\n")):
        r = run(["--batch"], stdin=data)
        expect(r.returncode == 2 and not r.stdout and b"no header row" in r.stderr,
               "batch: %s: no header row, exit 2" % name, r)


def batch_senseless_values():
    header, row = BATCH_INPUT.split(b"\r\n")[:2]
    names = header.split(b",")
    cells = row.split(b",")
    cells[names.index(b"SerumCreatinine")] = b"1e-310"
    r = run(["--batch", write("senseless.csv", header + b"\r\n" + b",".join(cells) + b"\r\n")])
    cells = batch_cells(r.stdout)
    expect(r.returncode == 0 and "1e-310 is too small" in cells["findings"],
           "batch: 1e-310 is too small, in the findings", r)
    expect(all("inf" not in v and "nan" not in v for k, v in cells.items() if k != "findings"),
           "batch: no infinity or NaN among the results", r)


def locale_option():
    data = (b"Age=40\nWeight=70,5\nUnitWeight=kg\nGender=Male\nSerumCreatinine=1,5\n"
            b"UnitSerumCreatinine=mg/dL\n")
    r = run(["--locale", "de_DE"], stdin=data)
    expect(r.returncode == 0 and not r.stderr and b"\t65,28 mL/min\t" in r.stdout,
           "single: --locale de_DE reads and writes 1,5", r)
    r = run(["--batch", "--locale", "de_DE"],
            stdin=b"Age;Weight;UnitWeight;Gender;SerumCreatinine;UnitSerumCreatinine\n"
                  b"40;70,5;kg;Male;1,5;mg/dL\n")
    expect(r.returncode == 0 and not r.stderr and b"65,28 mL/min" in r.stdout,
           "batch: --locale de_DE reads and writes 1,5", r)


# --- class grading, cells and messages ----------------------------------------

CLASS_HEADER = b"Student,Item,Seed,Level,Generator,result\r\n"


def class_row(student, seed=1, answer=b"25"):
    return student + b",creatinine-clearance," + str(seed).encode() + b",2,3," + answer + b"\r\n"


def long_records_are_skipped():
    big = b"b," + b"9" * (1024 * 1024 + 100) + b"\r\n"
    data = BATCH_INPUT + big + BATCH_INPUT.split(b"\r\n", 1)[1].replace(b"case 1", b"case 3")
    r = run(["--batch"], stdin=data)
    expect(r.returncode == 3 and b"line 3: a record of over 1 MB" in r.stderr and
           b"row skipped" in r.stderr and r.stdout.count(b"\r\n") == 3 and
           r.stdout.split(b"\r\n")[2].startswith(b"case 3,"),
           "batch: a record over 1 MB is skipped and the row after it read", r)
    quoted = b'"x' + b"\n" * 10 + b"9" * (1024 * 1024) + b'",creatinine-clearance,1,2,3,\r\n'
    r = run(["--grade", "--batch"], stdin=CLASS_HEADER + class_row(b"anna") + quoted +
            class_row(b"bert"))
    lines = r.stdout.split(b"\r\n")
    expect(r.returncode == 3 and b"line 3: a record of over 1 MB" in r.stderr and
           len(lines) == 4 and lines[1].startswith(b"anna,") and lines[2].startswith(b"bert,"),
           "class: a record over 1 MB is not graded, and the row after it is", r)


def class_over_its_size_is_refused():
    # Rows that are skipped count too, and are quick to read.
    rows = b"".join(class_row(b"s%d" % i, answer=b"") .replace(b",2,", b",7,")
                    for i in range(20001))
    out = write("class-out.csv", b"the old output\n")
    r = run(["--grade", "--batch", "-", "-o", out], stdin=CLASS_HEADER + rows)
    expect(r.returncode == 2 and b"line 20002: more than 20000 rows" in r.stderr and
           read(out) == b"the old output\n",
           "class: 20,001 rows are refused before anything is written", r)


def formula_cells_are_guarded():
    header, row = BATCH_INPUT.split(b"\r\n")[:2]
    data = header + b"\r\n"
    names = (b"=HYPERLINK(\"\"http://x\"\",\"\"y\"\")", b"@SUM(1+1)", b"+1", b"-1", b"\t=1")
    for name in names:
        data += row.replace(b"case 1", b'"' + name + b'"') + b"\r\n"
    r = run(["--batch"], stdin=data)
    firsts = [l.split(b",", 1)[0] for l in r.stdout.split(b"\r\n")[1:-1]]
    expect(r.returncode == 0 and firsts[1:] == [b'"\'' + n + b'"' for n in names[1:]] and
           firsts[0].startswith(b"\"'=HYPERLINK("),
           "batch: case names that a spreadsheet would run get an apostrophe", r)
    r = run(["--grade", "--batch"],
            stdin=b"Student,Item,Seed,Level,Generator,Email,result\r\n"
                  b"=cmd|' /C calc'!A0,creatinine-clearance,1,2,3,@x.org,\r\n")
    expect(r.returncode == 0 and b"\r\n\"'=cmd|' /C calc'!A0\",creatinine-clearance," in r.stdout
           and r.stdout.endswith(b",\"'@x.org\"\r\n"),
           "class: student names and passed-through cells get an apostrophe", r)


def echoed_texts_are_escaped_and_short():
    r = run(["--grade"], stdin=b'{"item":"creatinine-clearance","seed":1,"\x1b]0;pwned\x07":1}')
    expect(r.returncode == 2 and b"\x1b" not in r.stderr and b"\x07" not in r.stderr and
           b'unknown key "\\x1b]0;pwned\\x07"' in r.stderr,
           "grade: an unknown key is escaped", r)
    r = run(["--grade"], stdin=b'{"item":"creatinine-clearance","seed":1,"generator":3,"answers":{"' +
            b"s" * 1000000 + b'":1}}')
    expect(r.returncode == 2 and len(r.stderr) < 400 and "\u2026".encode() in r.stderr,
           "grade: a 1 MB step id is cut short", r)
    r = run(["--grade", "--batch"], stdin=CLASS_HEADER + class_row(b"eve\x1b[2J\x07"))
    expect(r.returncode == 0 and b"\x1b" not in r.stdout and b"\x07" not in r.stdout and
           b"eve\\x1b[2J\\x07," in r.stdout,
           "class: a student name's control characters are escaped in the output", r)
    r = run(["--grade", "--batch"], stdin=CLASS_HEADER + class_row(b"x").replace(
        b"creatinine-clearance", b"\x1b]0;t\x07" + b"z" * 5000))
    expect(r.returncode == 3 and b"\x1b" not in r.stderr and len(r.stderr) < 400,
           "class: an unknown item is escaped and cut short", r)


def long_header_is_quick():
    # 200,000 names of four letters: just under 1 MB, so it is read whole.
    letters = b"abcdefghijklmnopqrstuvwxyz"
    header = b",".join(bytes(letters[i // 26 ** k % 26] for k in range(4))
                       for i in range(200000)) + b"\r\n"
    for args in (["--batch"], ["--grade", "--batch"]):
        r = run(args, stdin=header, timeout=30)
        expect(r.returncode == 2 and len(r.stderr) < 600,
               "%s: a header of 200,000 names is refused at once" % " ".join(args), r)


def passed_through_columns():
    r = run(["--grade", "--batch"],
            stdin=b"Student,Email,Item,Seed,Level,Generator,result,ID number\r\n"
                  b"anna,a@x.org,creatinine-clearance,1,2,3,,17\r\n"
                  b"bert,b@x.org,creatinine-clearance,2,2,3,,18\r\n")
    lines = r.stdout.split(b"\r\n")
    expect(r.returncode == 0 and lines[0].endswith(b",Email,ID number") and
           lines[1].endswith(b",a@x.org,17") and lines[2].endswith(b",b@x.org,18") and
           r.stderr.count(b"warning") == 1 and b'"Email", "ID number"' in r.stderr,
           "class: columns that are no step id are passed through with one warning", r)


def help_to_a_full_device():
    for args in (["--help"], ["--list-items"]):
        r = sh("exec \"$CLI\" %s > /dev/full" % " ".join(args))
        expect(r.returncode == 1 and b"No space left" in r.stderr,
               "%s > /dev/full: exit 1 with why" % args[0], r)


def locale_lines_as_the_option():
    for name, ok in ((b"POSIX", True), (b"C", True), (b"de_DE", True), (b"de", True),
                     (b"de_XX", False), (b"de_DE.UTF-8", False), (b"de_DE\x1b[31m", False),
                     (b"", False)):
        r = run([], stdin=b"Locale=" + name + b"\nAge=40\n")
        o = run(["--locale", name.decode()], stdin=b"Age=40\n")
        expect((r.returncode == 0) == ok and (o.returncode == 0) == ok,
               "Locale=%r and --locale agree: %s" % (name, "taken" if ok else "refused"), r)
        if not ok:
            expect(b"line 1: unknown locale" in r.stderr and b"\x1b" not in r.stderr,
                   "Locale=%r: refused with its line" % name, r)


def out_of_memory_in_every_mode():
    # A scan of address-space limits: wherever memory runs out, one line and
    # exit 1, never an abort, and no temporary file left behind.
    if os.environ.get("QUARVEX_SANITIZED"):
        print("SKIP out_of_memory_in_every_mode: a sanitized build cannot start under ulimit -v")
        return
    klass = write("oom-class.csv", CLASS_HEADER + b"".join(class_row(b"s%d" % i, seed=i)
                                                           for i in range(300)))
    scans = (("grade --batch", "--grade --batch '%s'" % klass, range(60000, 360001, 50000)),
             ("worksheet", "--worksheet --items creatinine-clearance,ast-alt-ratio --count 20 "
                           "--versions 20", range(60000, 210001, 50000)),
             ("single", "'%s'" % EXAMPLE, range(52000, 56001, 200)))
    for mode, args, limits in scans:
        for limit in limits:
            folder = tempfile.mkdtemp(dir=TMP)
            out = os.path.join(folder, "out")
            r = sh("ulimit -v %d; exec \"$CLI\" %s -o '%s'" % (limit, args, out))
            what = "%s under ulimit -v %d" % (mode, limit)
            if (b"error while loading shared libraries" in r.stderr or
                    b"cannot allocate TLS" in r.stderr or b"libgomp: Out of memory" in r.stderr):
                continue  # too little for the libraries to start at all
            expect(r.returncode in (0, 1, 3) and b"terminate" not in r.stderr,
                   what + ": no abort", r)
            if r.returncode == 1:
                expect(r.stderr.count(b"\n") == 1 and b"out of memory" in r.stderr,
                       what + ": one line says memory ran out", r)
                expect(os.listdir(folder) == [], what + ": nothing left behind", r)


CASES = [own_output_appends, fifo_written_in_place, dash_is_stdout, output_is_input,
         option_errors, double_dash_ends_options, write_failures, file_size_limit, pdf_over_the_file_size_limit,
         out_of_memory,
         line_ends, trailing_blanks, unknown_texts_warn, limits, messages_are_short_and_escaped,
         empty_input, senseless_values, number_format_from_lc_numeric, batch_line_ends,
         batch_trailing_blanks, batch_unknown_texts, batch_limits,
         batch_messages_are_short_and_escaped, batch_empty_input, batch_senseless_values,
         locale_option, long_records_are_skipped, class_over_its_size_is_refused,
         formula_cells_are_guarded, echoed_texts_are_escaped_and_short, long_header_is_quick,
         passed_through_columns, help_to_a_full_device, locale_lines_as_the_option,
         out_of_memory_in_every_mode]

failed = 0
ONLY = os.environ.get("HOSTILE_ONLY")  # a comma-separated list of cases to run alone
for case in CASES:
    if ONLY and case.__name__ not in ONLY.split(","):
        continue
    try:
        case()
        print("PASS", case.__name__)
    except AssertionError as e:
        failed += 1
        print("FAIL", case.__name__ + ":", e)
sys.exit(1 if failed else 0)
