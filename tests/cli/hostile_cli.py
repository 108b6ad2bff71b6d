"""quarvex-cli under careless and hostile use: where the output goes, what the
input looks like, how large it is and what the messages show. Every case runs
the program from outside and says what it expected when it fails.

Usage: hostile_cli.py CLI EXAMPLE_INPUT GOLDEN_EXPORT"""
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


# --- output ----------------------------------------------------------------

def own_output_appends():
    # Each name of the program's own standard output (or error) is written
    # through the descriptor the shell opened for appending.
    for target, redirect in (("/dev/stdout", ">>"), ("/dev/fd/1", ">>"),
                             ("/proc/self/fd/1", ">>"), ("/dev/stderr", "2>>"),
                             ("/dev/fd/2", "2>>")):
        log = write("log.txt", b"earlier line\n")
        r = sh("\"$CLI\" '%s' -o %s %s '%s'" % (EXAMPLE, target, redirect, log))
        expect(r.returncode == 0, "-o %s %s log: exit 0" % (target, redirect), r)
        expect(read(log) == b"earlier line\n" + EXPORT,
               "-o %s %s log keeps the earlier line and appends the export" % (target, redirect), r)


def fifo_written_in_place():
    fifo = path("fifo")
    if os.path.exists(fifo):
        os.unlink(fifo)
    os.mkfifo(fifo)
    got = []
    reader = threading.Thread(target=lambda: got.append(read(fifo)))
    reader.start()
    r = run([EXAMPLE, "-o", fifo])
    reader.join(30)
    expect(r.returncode == 0, "a FIFO is written: exit 0", r)
    expect(got == [EXPORT], "the reader of the FIFO gets the export")
    expect(stat.S_ISFIFO(os.lstat(fifo).st_mode), "the FIFO is still a FIFO, not replaced")


def dash_is_stdout():
    r = run([EXAMPLE, "-o", "-"])
    expect(r.returncode == 0 and r.stdout == EXPORT, "-o - writes to standard output", r)
    expect(not os.path.exists(path("-")), "-o - makes no file named -")


def option_errors():
    out1, out2 = path("one.txt"), path("two.txt")
    cases = [
        ("a second -o", [EXAMPLE, "-o", out1, "-o", out2], 2, b"only one -o"),
        ("-o without a name", [EXAMPLE, "-o"], 2, b"-o needs a file name"),
        ("an unknown option", ["--frobnicate", EXAMPLE], 2, b"unknown option --frobnicate"),
    ]
    for name, args, code, message in cases:
        r = run(args)
        expect(r.returncode == code, "%s: exit %d" % (name, code), r)
        expect(message in r.stderr, "%s: stderr names it" % name, r)
        expect(not os.path.exists(out1) and not os.path.exists(out2),
               "%s: nothing written" % name, r)


def double_dash_ends_options():
    write("-o", EXAMPLE_BYTES)
    r = subprocess.run([CLI, "--", "-o"], cwd=TMP, capture_output=True, env=ENV)
    expect(r.returncode == 0 and r.stdout == EXPORT, "-- then -o reads the file named -o", r)


def write_failures():
    for target, reason in (("/dev/full", b"No space left on device"),
                           (path("missing/out.txt"), b"No such file or directory")):
        before = sorted(os.listdir(TMP))
        r = run([EXAMPLE, "-o", target])
        expect(r.returncode == 1 and reason in r.stderr and not r.stdout,
               "-o %s: exit 1 with the reason" % target, r)
        expect(sorted(os.listdir(TMP)) == before, "-o %s: nothing left behind" % target, r)


def file_size_limit():
    out = path("limited.txt")
    for existing in (None, b"the old export\n"):
        if existing is None:
            if os.path.exists(out):
                os.unlink(out)
        else:
            write("limited.txt", existing)
        before = sorted(os.listdir(TMP))
        r = sh("ulimit -f 1; exec \"$CLI\" '%s' -o '%s'" % (EXAMPLE, out))
        expect(r.returncode == 1, "over the file-size limit: exit 1, not a signal", r)
        expect(b"File too large" in r.stderr, "over the file-size limit: says File too large", r)
        expect(sorted(os.listdir(TMP)) == before, "over the file-size limit: nothing left behind", r)
        if existing is not None:
            expect(read(out) == existing, "over the file-size limit: the old file is kept", r)
    r = sh("ulimit -f 1; exec \"$CLI\" '%s' > '%s'" % (EXAMPLE, out))
    expect(r.returncode == 1 and b"File too large" in r.stderr,
           "standard output over the file-size limit: exit 1, File too large", r)


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


CASES = [own_output_appends, fifo_written_in_place, dash_is_stdout, option_errors,
         double_dash_ends_options, write_failures, file_size_limit, line_ends, trailing_blanks,
         unknown_texts_warn, limits, messages_are_short_and_escaped, empty_input,
         senseless_values, number_format_from_lc_numeric]

failed = 0
for case in CASES:
    try:
        case()
        print("PASS", case.__name__)
    except AssertionError as e:
        failed += 1
        print("FAIL", case.__name__ + ":", e)
sys.exit(1 if failed else 0)
