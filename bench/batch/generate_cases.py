#!/usr/bin/env python3
"""Writes a batch input for quarvex-cli --batch: N complete cases (every input
field filled, values in ranges seen in adult patients, units drawn among each
field's choices) as CSV on standard output.

    generate_cases.py N [SEED] [--german]

--german writes numbers with a decimal comma and separates fields with
semicolons, as quarvex-cli --batch --locale de_DE reads them.
"""

import random
import sys

# Field, low, high, decimals in the first unit, then the other units as
# (unit, factor from the first unit, decimals). Fields without units have none.
FIELDS = [
    ("Age", 18, 90, 0, None),
    ("Weight", 45, 120, 0, [("kg", 1, 0), ("lbs", 2.2, 0)]),
    ("SerumCreatinine", 0.5, 3.0, 1, [("mg/dL", 1, 1), ("umol/L", 88.4, 0)]),
    ("UrineCreatinine", 40, 250, 0, [("mg/dL", 1, 0), ("mmol/L", 88.4 / 1000, 1)]),
    ("SerumSodium", 130, 150, 0, None),
    ("UrineSodium", 10, 200, 0, None),
    ("SerumPotassium", 3.0, 5.5, 1, None),
    ("UrinePotassium", 10, 100, 0, None),
    ("SerumCalcium", 8.0, 11.0, 1, [("mg/dL", 1, 1), ("mmol/L", 0.25, 2)]),
    ("UrineCalcium", 5, 30, 0, [("mg/dL", 1, 0), ("mmol/L", 0.25, 2)]),
    ("SerumPhosphorus", 2.5, 5.0, 1, [("mg/dL", 1, 1), ("mmol/L", 0.323, 2)]),
    ("SerumUrea", 10, 60, 0, [("mg/dL", 1, 0), ("mmol/L", 0.357, 1)]),
    ("UrineUrea", 300, 2000, 0, [("mg/dL", 1, 0), ("mmol/L", 0.357, 0)]),
    ("UrinePhosphorus", 20, 120, 0, [("mg/dL", 1, 0), ("mmol/L", 0.323, 1)]),
    ("SerumUrate", 3.0, 9.0, 1, [("mg/dL", 1, 1), ("umol/L", 59.48, 0)]),
    ("UrineUrate", 15, 80, 0, [("mg/dL", 1, 0), ("mmol/L", 0.05948, 2)]),
    ("SerumAmylase", 30, 200, 0, None),
    ("UrineAmylase", 50, 1000, 0, None),
    ("UrineProtein", 0.05, 3.0, 2, None),
    ("UrineVolume", 500, 3000, 0, None),
    ("HDL", 25, 90, 0, [("mg/dL", 1, 0), ("mmol/L", 0.0259, 2)]),
    ("LDL", 60, 220, 0, [("mg/dL", 1, 0), ("mmol/L", 0.0259, 1)]),
    ("Chol", 140, 300, 0, [("mg/dL", 1, 0), ("mmol/L", 0.0259, 1)]),
    ("AST", 10, 200, 0, None),
    ("ALT", 10, 200, 0, None),
    ("BilirubinDirect", 0.1, 1.5, 1, [("mg/dL", 1, 1), ("umol/L", 17.1, 0)]),
    ("BilirubinTotal", 0.3, 3.0, 1, [("mg/dL", 1, 1), ("umol/L", 17.1, 0)]),
    ("Albumin", 3.0, 5.5, 1, [("g/dL", 1, 1), ("g/L", 10, 0)]),
    ("Globulin", 2.0, 4.0, 1, [("g/dL", 1, 1), ("g/L", 10, 0)]),
    ("Iron", 30, 200, 0, [("ug/dL", 1, 0), ("umol/L", 0.179, 1)]),
    ("TIBC", 250, 450, 0, [("ug/dL", 1, 0), ("umol/L", 0.179, 1)]),
    ("Ferritin", 10, 400, 0, [("ng/ml", 1, 0), ("ug/L", 1, 0), ("pmol/L", 2.247, 0)]),
    ("Transferrin", 150, 400, 0, [("mg/dL", 1, 0), ("g/L", 0.01, 2)]),
]


def header():
    names = ["Case", "Gender"]
    for name, _, _, _, units in FIELDS:
        names.append(name)
        if units:
            names.append("Unit" + name)
    return names


def case(rng, number, comma):
    def text(value, decimals):
        written = f"{value:.{decimals}f}"
        return written.replace(".", ",") if comma else written

    row = [f"P{number:07d}", rng.choice(("Male", "Female"))]
    drawn = {}
    for name, low, high, decimals, units in FIELDS:
        value = rng.uniform(low, high)
        # A whole is never below its parts, as in a real patient's results.
        if name == "BilirubinTotal":
            value = max(value, drawn["BilirubinDirect"] + 0.1)
        if name == "Chol":
            value = max(value, drawn["HDL"] + drawn["LDL"] + 10)
        drawn[name] = value
        if not units:
            row.append(text(value, decimals))
            continue
        # Four in five in the first unit, the rest in another one.
        unit, factor, decimals = units[0] if rng.random() < 0.8 else rng.choice(units[1:])
        row.append(text(value * factor, decimals))
        row.append(unit)
    return row


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    comma = "--german" in sys.argv
    count = int(args[0]) if args else 1000
    rng = random.Random(int(args[1]) if len(args) > 1 else 20261206)
    delimiter = ";" if comma else ","
    out = sys.stdout
    out.write(delimiter.join(header()) + "\r\n")
    lines = []
    for number in range(1, count + 1):
        lines.append(delimiter.join(case(rng, number, comma)))
        if len(lines) == 10000:
            out.write("\r\n".join(lines) + "\r\n")
            lines = []
    if lines:
        out.write("\r\n".join(lines) + "\r\n")


if __name__ == "__main__":
    main()
