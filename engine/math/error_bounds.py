#!/usr/bin/python3
"""Adds up the error terms that engine/math/README.md derives for the fast
paths, from the constants in tables.cpp, and checks that each bound constant
of the code covers its sum and is less than twice it.

    /usr/bin/python3 engine/math/error_bounds.py [--measure PROBE [COUNT]]

With --measure, also draws COUNT arguments per core (default 200000) through
"PROBE cores" (tests/math/math_probe) and prints each core's worst error
against mpmath beside its bound.

Every term is an upper bound in exact rational arithmetic; the names (E1,
L2, ...) are those of the README's tables, and so is the notation: u = 2^-53,
and "hu(B)", the largest rounding error of a result of magnitude at most B,
is 2^(floor(log2 B) - 53).
"""
import math
import re
import struct
import subprocess
import sys
from fractions import Fraction
from pathlib import Path

import mpmath

HERE = Path(__file__).resolve().parent
mpmath.mp.prec = 200
U = Fraction(1, 2 ** 53)


def power(e):
    return Fraction(2) ** e


def fraction(value):
    """An mpf as an exact Fraction."""
    sign, man, exp, _ = value._mpf_
    result = Fraction(int(man)) * power(int(exp))
    return -result if sign else result


def log2_of(value):
    return float(mpmath.log(mpmath.mpf(value.numerator) / value.denominator, 2))


def ln(value, direction):
    """ln(value), 150 bits, moved one way: +1 up, -1 down."""
    exact = mpmath.log(mpmath.mpf(value.numerator) / value.denominator)
    return fraction(exact) * (1 + direction * power(-140) * (1 if exact > 0 else -1))


def read_tables():
    text = (HERE / "tables.cpp").read_text()

    def constant(name):
        return Fraction(float.fromhex(re.search(name + r" = ([-0-9a-fx.p+]+);", text).group(1)))

    entries = re.findall(r"\{(0x[0-9a-f.p+-]+), (\d), \{([-0-9a-fx.p+]+), ([-0-9a-fx.p+]+)\}\}",
                         text)
    table = [(Fraction(float.fromhex(c)), int(s), Fraction(float.fromhex(h)),
              Fraction(float.fromhex(l))) for c, s, h, l in entries]
    assert len(table) == 256
    header = (HERE / "tables.h").read_text()
    inverse_lo = re.search(r"kInverseLn10 = \{[^,]+, ([-0-9a-fx.p+]+)\}", header).group(1)
    return {"step3": abs(constant("kExpStep3")), "ln2_2": abs(constant("kLn2Part2")),
            "ln2_3": abs(constant("kLn2Part3")), "log_table": table,
            "inverse_ln10_lo": abs(Fraction(float.fromhex(inverse_lo)))}


def code_constant(path, name):
    text = (HERE / path).read_text()
    return Fraction(float.fromhex(re.search(name + r" = (0x1p-?\d+);", text).group(1)))


def report(title, terms):
    total = sum(terms.values())
    print(f"\n{title}")
    for name, value in terms.items():
        print(f"  {name:<50} " + (f"2^{log2_of(value):8.2f}" if value else "       0"))
    print(f"  {'sum':<50} 2^{log2_of(total):8.2f}")
    return total


# ---------------------------------------------------------------- exp core

def exp_core(tables):
    rho = fraction(mpmath.log(2)) / 512 * (1 + power(-30))  # |rh|, with k's rounding
    rl = (power(-63) + power(19) * tables["step3"]) * (1 + power(-50))  # |rl|
    p_max = Fraction(1, 6) + rho / 24 + rho ** 2 / 120 + rho ** 3 / 720 + rho ** 4 / 5040
    p_low = power(-63) + power(-74) + rl + rho * rl + rho ** 3 * p_max * (1 + 4 * U)
    assert p_low < power(-31)
    terms = {
        "E1 reduction, as an error of the result": 2 * power(-112) * (1 + power(-60)),
        "E2 series after r^7/7!": 2 * rho ** 8 / 40320 / (1 - rho / 9),
        "E3 roundings of the cubic part": 2 * rho ** 3 * (3 * power(-56) + power(-66) +
                                                          (3 * U + 4 * U ** 2) * p_max),
        "E4 rl (e^rh - 1 - rh) and rl^2, omitted": 2 * (rl * rho ** 2 / 2 * (1 + rho) + rl ** 2),
        "E5 four sums of pLow, and rh rl": 2 * (4 * power(-85) + U * rho * rl),
        "E6 2^(j/256) as power.hi + power.lo": power(-106) * (1 + rho) * (1 + rho),
        "E7 power.lo pLow, omitted": power(-53) * p_low,
        "E8 five sums and two products of low": 5 * power(-84) + power(-116),
        "E9 pow: the sum e.lo + e.hi xl": power(-84),
        "R  RoundWithin's rounding of l -+ error": power(-84),
    }
    return report("exp core: |hi + lo - exp(xh + xl) / 2^exponent|, absolute, hi + lo in "
                  "[0.99, 2.01]", terms)


# ---------------------------------------------------------------- logarithms

def log_cases(tables):
    """(zeta, |minusLog|, lambda, |E|) for every bucket with E = 0, and the
    worst case of E != 0. zeta bounds |z|; lambda is the least |ln x| (None
    for ln(1 + z) itself, where the terms are relative to |z|)."""
    cases = []
    largest_log = Fraction(0)
    for i, (c, s, hi, lo) in enumerate(tables["log_table"]):
        low = 1 + Fraction(i, 256)
        high = 1 + Fraction(i + 1, 256)
        zeta = max(abs(low * c - 1), abs(high * c - 1))
        minus_log = abs(hi + lo) * (1 + power(-100))
        largest_log = max(largest_log, abs(ln(low / 2 ** s, 1)), abs(ln(high / 2 ** s, 1)))
        if hi == 0:
            lam = None
        elif s == 0:
            lam = ln(low, -1)
        else:
            lam = -ln(high / 2, 1)
        cases.append((zeta, minus_log, lam, 0))
    # E != 0: |ln x| >= |E| ln 2 - max |ln(2^-s m)|; |E| = 1 is the worst.
    largest_zeta = max(z for z, _, _, _ in cases)
    largest_minus_log = max(m for _, m, _, _ in cases)
    cases.append((largest_zeta, largest_minus_log, ln(Fraction(2), -1) - largest_log, 1))
    return cases


def log_terms(case, tables, precise):
    zeta, minus_log, lam, exponent = case
    ln2 = ln(Fraction(2), 1)
    scale = zeta * (1 - zeta / 2) if lam is None else lam
    partial = exponent * ln2 + minus_log + zeta * (1 + zeta)  # every partial sum of the chain
    e_l2 = exponent * (tables["ln2_2"] + tables["ln2_3"])
    if precise:
        tail = zeta ** 4 * (Fraction(1, 4) + zeta / 4)
        b_low = 2 * U * zeta ** 3 + tail + U * zeta ** 2
        terms = {
            "P1 series after z^11/11": zeta ** 12 / 12 / (1 - zeta),
            "P2 z^3/3 as a double-double": zeta ** 3 * (7 * U ** 2 + power(-109)),
            "P3 roundings of the tail z^4 (...)": zeta ** 4 * (3 * power(-55) + power(-63) +
                                                               (4 * U + 7 * U ** 2) *
                                                               (Fraction(1, 4) + zeta / 4)),
            "P4 the two sums of bLow": U * 2 * b_low,
        }
        names = ("P5", "P6")
    else:
        tail = zeta ** 3 * (Fraction(1, 3) + zeta / 3)
        b_low = U * zeta ** 2
        terms = {
            "L1 series after z^9/9": zeta ** 10 / 10 / (1 - zeta),
            "L2 roundings of the tail z^3 (...)": zeta ** 3 * (4 * power(-55) + power(-69) +
                                                               (3 * U + 4 * U ** 2) *
                                                               (Fraction(1, 3) + zeta / 3)),
        }
        names = ("L3", "L4")
    low = (4 * U * partial + e_l2 + U * minus_log + b_low) * (1 + power(-40))
    terms[f"{names[0]} ln 2 and the table in parts"] = exponent * power(-149) + U * e_l2 + U ** 2 * minus_log
    terms[f"{names[1]} seven sums of low"] = 7 * U * low
    relative = {name: value / scale for name, value in terms.items()}
    return relative, low / scale


def log_core(tables, precise):
    worst = None
    largest_low = Fraction(0)
    for case in log_cases(tables):
        terms, low = log_terms(case, tables, precise)
        largest_low = max(largest_low, low)
        total = sum(terms.values())
        if worst is None or total > worst[0]:
            worst = (total, terms, case)
    _, terms, (zeta, _, lam, exponent) = worst
    if exponent:
        where = "|E| = 1"
    elif lam is None:
        where = f"ln(1 + z), |z| < 2^{log2_of(zeta):.2f}"
    else:
        where = f"E = 0, |z| <= 2^{log2_of(zeta):.2f}, |ln x| >= 2^{log2_of(lam):.2f}"
    terms["R  RoundWithin's rounding of l -+ error"] = U * (largest_low + power(-60))
    name = "precise log core (pow)" if precise else "log core (log, log10)"
    return report(f"{name}: relative error; worst case {where}", terms), largest_low


def log10_product(tables, low_ratio):
    inverse_lo = tables["inverse_ln10_lo"]
    inverse = Fraction(1, 2)  # above 1/ln(10) = 0.4342...
    terms = {
        "T1 r.lo inverse.lo, omitted": low_ratio * inverse_lo,
        "T2 two products and two sums rounded": U * (2 * inverse_lo + 2 * low_ratio * inverse +
                                                     U * inverse) * 2,
        "T3 1/ln(10) as inverse.hi + inverse.lo": power(-110),
    }
    # Relative to |log10 x| = 0.4342... |ln x|.
    terms = {name: value / Fraction(4342, 10000) for name, value in terms.items()}
    return report("log10: relative error added by the product with 1/ln(10)", terms)


def pow_terms(precise_bound):
    # Per unit of |t| = |y ln x| < 746, relative to the result: |xl| <= 2u |t|
    # (product.lo and y lg.lo), |e.lo| < 2^-30, e.hi >= 0.99.
    xl = 2 * U * (1 + power(-50))
    terms = {
        "W1 e.lo xl, omitted": power(-30) * xl / Fraction(99, 100),
        "W2 y lg.lo and product.lo + y lg.lo rounded": 3 * U ** 2,
        "W3 e.hi xl rounded, and exp(xl) - 1 - xl": (U * Fraction(201, 100) * xl +
                                                    Fraction(201, 100) * xl ** 2 * 746) /
        Fraction(99, 100),
        "W4 the second-order part of exp(dt) - 1": power(-74) * 746 * power(-74),
    }
    terms["W5 hi + |lo| for hi, |t| for |product.hi|"] = power(-28) * (precise_bound +
                                                                      sum(terms.values()))
    return report("pow: relative error per unit of |y ln x| besides the logarithm's", terms)


def measure(probe, count):
    output = subprocess.run([probe, "cores", str(count), "1"], capture_output=True, text=True,
                            check=True).stdout.split("\n")
    worst = {"exp": 0, "log": 0, "precise-log": 0}
    mpmath.mp.prec = 160
    for line in output:
        if not line:
            continue
        fields = line.split()
        x = mpmath.mpf(struct_double(fields[1]))
        hi = mpmath.mpf(struct_double(fields[2]))
        lo = mpmath.mpf(struct_double(fields[3]))
        if fields[0] == "exp":
            error = abs(hi + lo - mpmath.exp(x) / mpmath.mpf(2) ** int(fields[4]))
        else:
            truth = mpmath.log(x)
            error = abs(hi + lo - truth) / abs(truth)
        worst[fields[0]] = max(worst[fields[0]], error)
    return {name: float(mpmath.log(value, 2)) for name, value in worst.items()}


def struct_double(bits):
    return struct.unpack("<d", struct.pack("<Q", int(bits, 16)))[0]


def main():
    tables = read_tables()
    log_bound, low_ratio = log_core(tables, precise=False)
    precise_bound, _ = log_core(tables, precise=True)
    checks = [
        ("kExpCoreError", "exp_core.h", exp_core(tables)),
        ("kLogError", "log_core.h", log_bound),
        ("kPreciseLogError", "log_core.h", precise_bound),
        ("kLog10ProductError", "fast_paths.h", log10_product(tables, low_ratio)),
        ("kPowExponentError", "fast_paths.h", pow_terms(precise_bound)),
    ]
    print()
    failed = False
    for name, path, derived in checks:
        constant = code_constant(path, name)
        # Applied to computed magnitudes a few ulps off the true ones, and
        # itself computed in floating point: a margin of 2^-40.
        ok = derived * (1 + power(-40)) <= constant < 2 * derived * (1 + power(-40))
        failed |= not ok
        print(f"{name} = 2^{log2_of(constant):.0f} ({path}): derived 2^{log2_of(derived):.2f}, "
              f"{'covered, less than twice' if ok else 'NOT in [derived, 2 derived)'}")
    if len(sys.argv) > 2 and sys.argv[1] == "--measure":
        count = int(sys.argv[3]) if len(sys.argv) > 3 else 200000
        worst = measure(sys.argv[2], count)
        print(f"\nmeasured over {count} arguments per core: exp core 2^{worst['exp']:.1f}, "
              f"log core 2^{worst['log']:.1f}, precise log core 2^{worst['precise-log']:.1f}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
