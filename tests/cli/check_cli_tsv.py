"""Reads quarvex-cli's output for the example input with an independent
tab-separated reader and checks the layout of every line."""
import csv
import io
import subprocess
import sys

cli, example = sys.argv[1], sys.argv[2]
out = subprocess.run([cli, example], check=True, capture_output=True).stdout
assert out.endswith(b"\r\n"), "the last line must end with CR LF"
assert out.count(b"\r\n") == out.count(b"\n"), "every line must end with CR LF"

rows = list(csv.reader(io.StringIO(out.decode("utf-8"), newline=""), delimiter="\t",
                       quoting=csv.QUOTE_NONE, lineterminator="\r\n"))
assert rows[0] == ["Quarvex Test Results"], rows[0]
assert rows[1][0].startswith("generated on "), rows[1]
assert rows[2] == [] and rows[3] == [] and rows[5] == [], rows[2:6]
assert rows[4] == ["Test Item", "Result", "Interpretation"], rows[4]
body = rows[6:]
assert len(body) == 34, len(body)
for row in body:
    assert len(row) == 3, row
    assert row[0], row
print("ok: %d result rows of three cells" % len(body))
