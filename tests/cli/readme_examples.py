#!/usr/bin/env python3
"""The README and the guide checked as a reader meets them.

Commands: every fenced block of README.md and of each Markdown file under
docs/ whose lines start with "$ " holds commands and the output each gives.
Each command runs in a shell in a copy of the example folder, with
quarvex-cli first on the PATH, under English and dated 6 December 2026 (the
documents' date); its standard output and error together must match the
lines below it, where a line "..." stands for any number of lines and a line
ending in "..." for any line that starts with the rest. Trailing blanks are
not compared. A mismatch is reported with the file and the command's line.

Links: every relative link and image of those files must name a file that
exists and, after a "#", a heading of that file (the anchor as the forge
makes it: lower case, punctuation dropped, blanks as hyphens).

The README: at most 250 lines, and a link to every section ("## " heading)
of the guide, docs/guide.md, whose table of contents links every section too.

usage: readme_examples.py SOURCE_DIR QUARVEX_CLI
"""

import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile

DOCUMENTS_DATE = "1796558400"  # 2026-12-06 12:00 UTC
README_MAX_LINES = 250
GUIDE = os.path.join("docs", "guide.md")


def outside_code(text):
    """The lines of a Markdown text with their numbers, fenced blocks left out."""
    fenced = False
    for number, line in enumerate(text.split("\n"), 1):
        if line.lstrip().startswith("```"):
            fenced = not fenced
        elif not fenced:
            yield number, line


def blocks(text):
    """The command blocks: lists of (line number, command, expected lines)."""
    found = []
    body = None
    for number, line in enumerate(text.split("\n"), 1):
        if line.startswith("```"):
            if body is None:
                body = []
            else:
                if body and body[0][1].startswith("$ "):
                    commands = []
                    for n, content in body:
                        if content.startswith("$ "):
                            commands.append((n, content[2:], []))
                        else:
                            commands[-1][2].append(content)
                    found.append(commands)
                body = None
        elif body is not None:
            body.append((number, line))
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


def run_commands(documents, source, cli):
    """Runs every command of the documents; the number checked and failed."""
    env = dict(os.environ)
    env.update(
        PATH=os.path.dirname(os.path.abspath(cli)) + os.pathsep + env.get("PATH", ""),
        LC_ALL="en_US.UTF-8",
        LANG="en_US.UTF-8",
        SOURCE_DATE_EPOCH=DOCUMENTS_DATE,
    )
    checked = failures = 0
    with tempfile.TemporaryDirectory() as work:
        shutil.copytree(os.path.join(source, "examples"), os.path.join(work, "examples"))
        for name, text in documents:
            for commands in blocks(text):
                for number, command, expected in commands:
                    run = subprocess.run(
                        ["bash", "-o", "pipefail", "-c", command],
                        cwd=work, env=env, stdout=subprocess.PIPE,
                        stderr=subprocess.STDOUT, check=False)
                    output = run.stdout.decode("utf-8").replace("\r\n", "\n")
                    # (a shell without the English locale installed says so first)
                    actual = [line for line in output.split("\n")
                              if not line.startswith("bash: warning: setlocale")]
                    if actual and actual[-1] == "":
                        actual.pop()
                    checked += 1
                    # "head" and "sed" may end the pipe early: only the status
                    # of a full run is asked for.
                    status_ok = (run.returncode == 0 or "| head" in command
                                 or "| sed" in command)
                    if not matches(expected, actual) or not status_ok:
                        failures += 1
                        print(f"FAIL: {name}:{number}: $ {command}\n--- expected\n"
                              + "\n".join(expected)
                              + f"\n--- got (status {run.returncode})\n{output}")
    return checked, failures


def anchor(heading):
    """The anchor of a heading's text, as the forge makes it."""
    text = re.sub(r"[^\w\- ]", "", heading.strip().lower())
    return text.replace(" ", "-")


def anchors(text):
    """Every heading anchor of a Markdown text; repeated ones get -1, -2, ..."""
    seen = {}
    found = []
    for _, line in outside_code(text):
        heading = re.match(r"#{1,6} (.*)", line)
        if heading:
            base = anchor(heading.group(1))
            count = seen.get(base, 0)
            seen[base] = count + 1
            found.append(base if count == 0 else f"{base}-{count}")
    return found


def sections(text):
    """The anchors of the "## " headings but the table of contents', in order."""
    return [a for a in (anchor(line[3:]) for _, line in outside_code(text)
                        if line.startswith("## ")) if a != "contents"]


def links(text):
    """The link targets of a Markdown text with their line numbers."""
    for number, line in outside_code(text):
        line = re.sub(r"`[^`]*`", "", line)
        for target in re.findall(r"\]\(([^)\s]+)(?:\s+\"[^\"]*\")?\)", line):
            yield number, target


def check_links(documents, source):
    """The relative links whose file or heading is missing, as messages."""
    texts = {os.path.normpath(name): text for name, text in documents}
    problems = []
    for name, text in documents:
        for number, target in links(text):
            if re.match(r"[a-z]+:", target):
                continue
            path, _, fragment = target.partition("#")
            linked = (os.path.normpath(os.path.join(os.path.dirname(name), path))
                      if path else os.path.normpath(name))
            if not os.path.exists(os.path.join(source, linked)):
                problems.append(f"{name}:{number}: {target}: no file {linked}")
                continue
            if not fragment:
                continue
            if linked not in texts and linked.endswith(".md"):
                with open(os.path.join(source, linked), encoding="utf-8") as f:
                    texts[linked] = f.read()
            if fragment not in anchors(texts.get(linked, "")):
                problems.append(f"{name}:{number}: {target}: no heading #{fragment} in {linked}")
    return problems


def check_guide(readme, guide):
    """The README's length and its links to the guide's sections, as messages."""
    problems = []
    lines = readme.rstrip("\n").count("\n") + 1
    if lines > README_MAX_LINES:
        problems.append(f"README.md has {lines} lines, more than {README_MAX_LINES}")
    wanted = sections(guide)
    if not wanted:
        problems.append(f"{GUIDE} has no sections")
    from_readme = {target.partition("#")[2] for _, target in links(readme)
                   if os.path.normpath(target.partition("#")[0]) == GUIDE}
    in_contents = {target[1:] for _, target in links(guide) if target.startswith("#")}
    for section in wanted:
        if section not in from_readme:
            problems.append(f"README.md does not link the guide's section #{section}")
        if section not in in_contents:
            problems.append(f"{GUIDE}'s contents do not link its section #{section}")
    return problems


def main():
    source, cli = sys.argv[1:3]
    names = ["README.md"] + sorted(
        os.path.relpath(path, source)
        for path in glob.glob(os.path.join(source, "docs", "**", "*.md"), recursive=True))
    documents = []
    for name in names:
        with open(os.path.join(source, name), encoding="utf-8") as f:
            documents.append((name, f.read()))
    texts = dict(documents)

    problems = check_links(documents, source)
    if GUIDE in texts:
        problems += check_guide(texts["README.md"], texts[GUIDE])
    else:
        problems.append(f"there is no {GUIDE}")
    for problem in problems:
        print("FAIL:", problem)

    checked, failures = run_commands(documents, source, cli)
    print(f"{checked} commands checked in {len(documents)} files, {failures} failed; "
          f"{len(problems)} problems with links and sections")
    if checked == 0:
        print("no commands found")
        return 1
    return 1 if failures or problems else 0


if __name__ == "__main__":
    sys.exit(main())
