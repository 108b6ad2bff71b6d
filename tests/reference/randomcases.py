"""Random sets of data entry fields for quarvex-cli, and the running of it,
shared by the reference tests (differential.py and consistency.py).

Both take the same command line:

    SCRIPT QUARVEX_CLI [CASES] [SEED] [--german]
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
    if rng.random() < 0.25:
        # The protein to creatinine ratio on or beside an edge of KDIGO's
        # mg/mmol table, urine creatinine in mmol/L.
        d = rng.choice([2, 4, 5, 8, 10, 20])
        f["UrineCreatinine"], f["UnitUrineCreatinine"] = str(d), "mmol/L"
        f["UrineProtein"] = "%g" % (rng.choice([14.4, 14.5, 15, 15.5, 49.5, 50, 50.5]) * d / 1000)
    return f


def germanise_fields(fields):
    """The values typed with a decimal comma; unit texts stay as they are."""
    return {k: (v.replace(".", ",") if not k.startswith("Unit") else v) for k, v in fields.items()}


class Run:
    """The command line: the program, how many cases, the seed, and whether
    the values are typed under a German locale."""

    def __init__(self, default_cases):
        args = [a for a in sys.argv[1:] if not a.startswith("--")]
        self.german = "--german" in sys.argv
        self.cli = args[0]
        self.cases = int(args[1]) if len(args) > 1 else default_cases
        self.seed = int(args[2]) if len(args) > 2 else 20261206
        self.locale = "de_DE.UTF-8" if self.german else "en_US.UTF-8"

    def random_cases(self):
        """(case number, fields) for every case, the values as in English."""
        rng = random.Random(self.seed)
        for case in range(self.cases):
            yield case, random_fields(rng)

    def typed(self, fields):
        """The fields as they are typed under the run's locale."""
        return germanise_fields(fields) if self.german else fields

    def output(self, fields, *options):
        """quarvex-cli's standard output for the fields, as text."""
        text = "".join("%s=%s\n" % (k, v) for k, v in fields.items())
        env = dict(os.environ, LC_ALL=self.locale, LANG=self.locale, QT_QPA_PLATFORM="offscreen")
        done = subprocess.run([self.cli, *options], input=text.encode(), capture_output=True,
                              env=env, timeout=60)
        if done.returncode != 0:
            raise RuntimeError("quarvex-cli exited %d: %s"
                               % (done.returncode, done.stderr.decode()))
        return done.stdout.decode("utf-8")
