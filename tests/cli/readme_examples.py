#!/usr/bin/env python3
"""The README's quarvex-cli examples, run as written.

Every fenced block of README.md whose lines start with "$ " holds commands
and the output each gives. Each command runs in a shell in a copy of the
example folder, with quarvex-cli first on the PATH, under English and dated
6 December 2026 (the README's date); its standard output and error together
must match the lines below it, where a line "..." stands for any number of
lines and a line ending in "..." for any line that starts with the rest.
Trailing blanks are not compared.

usage: readme_examples.py README.md QUARVEX_CLI EXAMPLES_FOLDER
"""

import os
import shutil
import subprocess
import sys
import tempfile

README_DATE = "1796558400"  # 2026-12-06 12:00 UTC


def blocks(text):
    """The command blocks: lists of (command, expected lines)."""
    found = []
    bodies = []
    body = None
    for line in text.split("\n"):
        if line.startswith("```"):
            if body is None:
                body = []
            else:
                bodies.append(body)
                body = None
        elif body is not None:
            body.append(line)
    for lines in bodies:
        if not lines or not lines[0].startswith("$ "):
            continue
        commands = []
        for line in lines:
            if line.startswith("$ "):
                commands.append((line[2:], []))
            else:
                commands[-1][1].append(line)
        found.append(commands)
    return found


def matches(expected, actual):
    """Whether the actual lines match the expected ones with their gaps."""
    if not expected:
        return not actual
    head = expected[0].rstrip()
    if head.strip() == "...":
        return any(matches(expected[1:], actual[i:]) for i in range(len(actual) + 1))
    if not actual:
        return False
    line = actual[0].rstrip()
    if head.endswith("..."):
        ok = line.startswith(head[:-3].rstrip())
    else:
        ok = line == head
    return ok and matches(expected[1:], actual[1:])


def main():
    readme, cli, examples = sys.argv[1:4]
    with open(readme, encoding="utf-8") as f:
        text = f.read()
    env = dict(os.environ)
    env.update(
        PATH=os.path.dirname(os.path.abspath(cli)) + os.pathsep + env.get("PATH", ""),
        LC_ALL="en_US.UTF-8",
        LANG="en_US.UTF-8",
        SOURCE_DATE_EPOCH=README_DATE,
    )
    failures = 0
    checked = 0
    with tempfile.TemporaryDirectory() as work:
        shutil.copytree(examples, os.path.join(work, "examples"))
        for commands in blocks(text):
            for command, expected in commands:
                run = subprocess.run(
                    ["bash", "-o", "pipefail", "-c", command],
                    cwd=work,
                    env=env,
                    stdout=subprocess.PIPE,
                    stderr=subprocess.STDOUT,
                    check=False,
                )
                output = run.stdout.decode("utf-8").replace("\r\n", "\n")
                # (a shell without the English locale installed says so first)
                actual = [line for line in output.split("\n")
                          if not line.startswith("bash: warning: setlocale")]
                if actual and actual[-1] == "":
                    actual.pop()
                checked += 1
                # "head" and "sed" may end the pipe early: only the status of
                # a full run is asked for.
                status_ok = run.returncode == 0 or "| head" in command or "| sed" in command
                if not matches(expected, actual) or not status_ok:
                    failures += 1
                    print(f"FAIL: $ {command}\n--- expected\n" + "\n".join(expected) +
                          f"\n--- got (status {run.returncode})\n{output}")
    print(f"{checked} README commands checked, {failures} failed")
    if checked == 0:
        print("no README commands found")
        return 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
