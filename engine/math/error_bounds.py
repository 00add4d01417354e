#!/usr/bin/python3
"""Adds up the error terms that engine/math/README.md derives for the fast
paths, from the constants in tables.cpp, and checks that each bound constant
of the code covers its sum and is less than twice it. With a probe, also
checks the terms against what the code does, measured against mpmath:

    python3 engine/math/error_bounds.py [--probe PROBE] [--cores COUNT]

- each polynomial as the code evaluates it (ExpSeries, LogSeries,
  PreciseLogSeries, evaluated by "PROBE parts" in 113-bit arithmetic): what
  its series leaves out, at every argument tried, against E2, L1 and P1 at
  that argument, and its rounding in double against the polynomial part of
  E3, L2 and P3 (a series cut by one term fails by orders of magnitude);
- the exp reduction against E1's 2^-112, and the log reduction's z exact;
- each core's whole error, COUNT arguments each (default 20000), against
  the sum of its terms;
- every step of the multiple-precision path, at every precision, against
  the error count that decides its rounding; the smallest margin is printed.

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


def hu(bound):
    """The largest rounding error of a result of magnitude at most bound:
    2^(floor(log2 bound) - 53)."""
    exponent = bound.numerator.bit_length() - bound.denominator.bit_length()
    if power(exponent) > bound:
        exponent -= 1
    return power(exponent - 53)


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


# ------------------------------------------------- the polynomials' roundings

class Rounded:
    """A value computed in double: a bound on its magnitude and on its
    absolute error from the exact value of the expression it stands for."""

    def __init__(self, magnitude, error=Fraction(0)):
        self.magnitude = magnitude
        self.error = error


def constant(value):
    """A coefficient as the code writes it: 1/6 rounded to the nearest
    double (off by at most hu), 1/4 exact."""
    exact = Fraction(float(value)) == value
    return Rounded(abs(value), Fraction(0) if exact else hu(abs(value)))


def is_power_of_two(value):
    return value.error == 0 and value.magnitude > 0 and (
        value.magnitude.numerator == 1 or value.magnitude.denominator == 1) and (
        value.magnitude.numerator & (value.magnitude.numerator - 1) == 0 and
        value.magnitude.denominator & (value.magnitude.denominator - 1) == 0)


def times(a, b):
    """a * b rounded once, unless a factor is an exact power of two."""
    error = a.magnitude * b.error + b.magnitude * a.error + a.error * b.error
    magnitude = a.magnitude * b.magnitude
    if not (is_power_of_two(a) or is_power_of_two(b)):
        error += hu(magnitude + error)
    return Rounded(magnitude, error)


def plus(a, b):
    """a + b (or a - b) rounded once."""
    magnitude = a.magnitude + b.magnitude
    error = a.error + b.error
    return Rounded(magnitude, error + hu(magnitude + error))


def exp_series_rounding(rho):
    """ExpSeries(r, fl(r^2)) for |r| <= rho, as exp_core.h evaluates it:
    (1/6 + r/24) + s ((1/120 + r/720) + s/5040)."""
    r = Rounded(rho)
    square = Rounded(rho ** 2, hu(rho ** 2))
    inner = plus(plus(constant(Fraction(1, 120)), times(r, constant(Fraction(1, 720)))),
                 times(square, constant(Fraction(1, 5040))))
    return plus(plus(constant(Fraction(1, 6)), times(r, constant(Fraction(1, 24)))),
                times(square, inner))


def log_series_rounding(zeta):
    """LogSeries(z, fl(z^2), fl(fl(z^2)^2)) for |z| <= zeta, as log_core.h
    evaluates it: (1/3 - z/4) + s (1/5 - z/6) + s^2 ((1/7 - z/8) + s/9)."""
    z = Rounded(zeta)
    square = Rounded(zeta ** 2, hu(zeta ** 2))
    z4 = times(square, square)
    c = lambda n: constant(Fraction(1, n))
    first = plus(plus(c(3), times(z, c(4))), times(square, plus(c(5), times(z, c(6)))))
    return plus(first, times(z4, plus(plus(c(7), times(z, c(8))), times(square, c(9)))))


def precise_log_series_rounding(zeta):
    """PreciseLogSeries(z, fl(z^2), fl(fl(z^2)^2)) for |z| <= zeta:
    (-1/4 + z/5) + s (-1/6 + z/7) + s^2 ((-1/8 + z/9) + s (-1/10 + z/11))."""
    z = Rounded(zeta)
    square = Rounded(zeta ** 2, hu(zeta ** 2))
    z4 = times(square, square)
    c = lambda n: constant(Fraction(1, n))
    pair = lambda a, b: plus(c(a), times(z, c(b)))
    first = plus(pair(4, 5), times(square, pair(6, 7)))
    return plus(first, times(z4, plus(pair(8, 9), times(square, pair(10, 11)))))


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
        "E3 roundings of the cubic part": 2 * rho ** 3 * (exp_series_rounding(rho).error +
                                                          (3 * U + 4 * U ** 2) * p_max),
        "E4 rl (e^rh - 1 - rh) and rl^2, omitted": 2 * (rl * rho ** 2 / 2 * (1 + rho) + rl ** 2),
        "E5 four sums of pLow, and rh rl": 2 * (4 * power(-85) + U * rho * rl),
        "E6 2^(j/256) as power.hi + power.lo": power(-106) * (1 + rho) * (1 + rho),
        "E7 power.lo pLow, omitted": power(-53) * p_low,
        "E8 low: power.hi pLow, four sums, power.lo p.hi": 5 * power(-84) + power(-116),
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
            "P3 roundings of the tail z^4 (...)": zeta ** 4 * (
                precise_log_series_rounding(zeta).error +
                (4 * U + 7 * U ** 2) * (Fraction(1, 4) + zeta / 4)),
            "P4 the two sums of bLow": U * 2 * b_low,
        }
        names = ("P5", "P6")
    else:
        tail = zeta ** 3 * (Fraction(1, 3) + zeta / 3)
        b_low = U * zeta ** 2
        terms = {
            "L1 series after z^9/9": zeta ** 10 / 10 / (1 - zeta),
            "L2 roundings of the tail z^3 (...)": zeta ** 3 * (
                log_series_rounding(zeta).error +
                (3 * U + 4 * U ** 2) * (Fraction(1, 3) + zeta / 3)),
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
    if not precise:
        # log's RoundWithin; pow rounds the exp core's result, not this one
        # (table E's R).
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
        # log10's own RoundWithin: l -+ error, |l| below the low parts of
        # the logarithm and of the product, the error below 2^-66 of it.
        "R  RoundWithin's rounding of l -+ error": U * (low_ratio * inverse + 2 * U * inverse +
                                                        power(-66) * inverse),
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


def struct_bits(value):
    return f"{struct.unpack('<Q', struct.pack('<d', value))[0]:016x}"


def probe_parts(probe, lines):
    """The probe's answers to "parts" lines, one list of fields per answer
    (the slow steps' lines follow their argument's)."""
    output = subprocess.run([probe, "parts"], input="\n".join(lines) + "\n",
                            capture_output=True, text=True, check=True).stdout
    answers = []
    for line in output.split("\n"):
        if line.startswith(" "):
            answers[-1].append(line.split())
        elif line:
            answers.append([line.split()])
    return answers


def spread(bound, random, count):
    """Arguments of magnitude up to bound (a double just below it): the end
    points, a ladder towards 0 and random ones, of both signs."""
    top = float(bound) * (1 - 2 ** -52)
    values = [top * j / 32 for j in range(1, 33)] + [random.uniform(0, top) for _ in range(count)]
    return [v for value in values for v in (value, -value)]


def as_mpf(value):
    if isinstance(value, Fraction):
        return mpmath.mpf(value.numerator) / value.denominator
    return mpmath.mpf(value)


def check(failures, what, measured, bound):
    """Records a failure when measured exceeds bound; returns log2 of the
    ratio measured / bound (below 0 when within it)."""
    measured, bound = as_mpf(measured), as_mpf(bound)
    ratio = float(mpmath.log(measured / bound, 2)) if measured else -999
    if measured > bound:
        failures.append(f"{what}: measured 2^{float(mpmath.log(measured, 2)):.2f}, "
                        f"bound 2^{float(mpmath.log(bound, 2)):.2f}")
    return ratio


def measure_series(probe, rho, failures, random):
    """What each polynomial leaves out (its 113-bit evaluation against the
    series) and how it rounds (its double evaluation against the 113-bit
    one), at every argument, against the derivation."""
    mpmath.mp.prec = 300
    zeta = power(-8)
    series = {
        # name: (largest argument, power of the argument before the
        # polynomial, exact polynomial, truncation bound at |x|, rounding)
        "exp-series": (rho, 3, lambda x: (mpmath.expm1(x) - x - x * x / 2) / x ** 3,
                       lambda x: x ** 8 / 40320 / (1 - x / 9), exp_series_rounding(rho).error),
        "log-series": (zeta, 3, lambda x: (mpmath.log1p(x) - x + x * x / 2) / x ** 3,
                       lambda x: x ** 10 / 10 / (1 - x), log_series_rounding(zeta).error),
        "precise-log-series": (zeta, 4,
                               lambda x: (mpmath.log1p(x) - x + x * x / 2 - x ** 3 / 3) / x ** 4,
                               lambda x: x ** 12 / 12 / (1 - x),
                               precise_log_series_rounding(zeta).error),
    }
    print()
    for name, (bound, degree, exact, truncation, rounding) in series.items():
        arguments = spread(bound, random, 40)
        answers = probe_parts(probe, [f"{name} {struct_bits(x)}" for x in arguments])
        worst_left_out = -999
        worst_rounding = Fraction(0)
        for (fields,) in answers:
            x = struct_double(fields[1])
            evaluated = mpmath.mpf(struct_double(fields[2]))
            wide = mpmath.mpf(struct_double(fields[3])) + mpmath.mpf(struct_double(fields[4]))
            xm = mpmath.mpf(x)
            left_out = abs(xm) ** degree * abs(wide - exact(xm))
            # The 113-bit evaluation itself is off by far less than 2^-100.
            limit = as_mpf(truncation(abs(Fraction(x)))) + abs(xm) ** degree * mpmath.mpf(2) ** -100
            worst_left_out = max(worst_left_out, check(failures, f"{name} leaves out, at {x!r}",
                                                       left_out, limit))
            worst_rounding = max(worst_rounding, fraction(abs(evaluated - wide)))
        rounding_ratio = check(failures, f"{name} rounds", worst_rounding, rounding)
        print(f"{name}: what it leaves out reaches 2^{worst_left_out:.2f} of the series' bound, "
              f"its rounding 2^{rounding_ratio:.2f} of its derived bound")


def measure_reductions(probe, rho, rl_bound, tables, failures, random):
    """exp's reduction against E1's 2^-112 and its |rh|, |rl| bounds; log's
    z exactly m c - 1 and within its bucket's zeta."""
    mpmath.mp.prec = 300
    ln2 = mpmath.log(2)
    xs = [random.uniform(-745.13, 709.78) for _ in range(3000)] + [
        -745.13, 709.78, 709.79, -745.14, 1e-300, -0.5, 0.5]
    worst = -999
    for (fields,) in probe_parts(probe, [f"exp-reduction {struct_bits(x)}" for x in xs]):
        x = mpmath.mpf(struct_double(fields[1]))
        k = int(fields[2])
        rh, rl = struct_double(fields[3]), struct_double(fields[4])
        error = abs(mpmath.mpf(rh) + mpmath.mpf(rl) - (x - k * ln2 / 256))
        worst = max(worst, check(failures, f"exp reduction at {fields[1]}", fraction(error),
                                 power(-112)))
        if abs(Fraction(rh)) > rho or abs(Fraction(rl)) > rl_bound:
            failures.append(f"exp reduction at {fields[1]}: |rh| or |rl| beyond its bound")
    print(f"exp reduction: 2^{worst:.2f} of E1's 2^-112")
    zetas = [z for z, _, _, _ in log_cases(tables)[:256]]
    xs = [random.uniform(1, 2) * 2.0 ** random.randint(-1074, 1023) for _ in range(3000)]
    xs += [1 + i / 256 for i in range(256)] + [1 + (i + 1) / 256 - 2 ** -52 for i in range(256)]
    xs += [5e-324, 2.2250738585072014e-308, 1.7976931348623157e308]
    for (fields,) in probe_parts(probe, [f"log-reduction {struct_bits(x)}" for x in xs if x > 0]):
        x = Fraction(struct_double(fields[1]))
        z, factor = Fraction(struct_double(fields[2])), Fraction(struct_double(fields[4]))
        exponent = x.numerator.bit_length() - x.denominator.bit_length()
        if power(exponent) > x:
            exponent -= 1
        m = x / power(exponent)
        bucket = int((m - 1) * 256)
        if z != m * factor - 1 or abs(z) > zetas[bucket]:
            failures.append(f"log reduction at {fields[1]}: z is not m c - 1 within zeta")
    print("log reduction: z = m c - 1 exactly and within its bucket's zeta, at every argument")


def measure_cores(probe, count, bounds, failures):
    """Each core's whole error over count arguments against its derived sum."""
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
    for name, value in worst.items():
        ratio = check(failures, f"{name} core", fraction(value), bounds[name])
        print(f"{name} core over {count} arguments: 2^{float(mpmath.log(value, 2)):.2f}, "
              f"2^{ratio:.2f} of its derived bound")


def slow_arguments(random):
    ln = math.log
    exp = [random.uniform(-745.1, 709.7) for _ in range(12)] + [
        2.0 ** -54, 709.78, -745.13, 0.34657359027997264, -0.34657359027997264, 1e-10]
    log = [random.uniform(1, 2) * 2.0 ** random.randint(-1074, 1023) for _ in range(12)] + [
        5e-324, 2.2250738585072014e-308, 1.7976931348623157e308, 1 + 2 ** -52, 1 - 2 ** -53,
        0.75, 1.4999999999999998, 2.0]
    powers = [(2.0, 0.5), (1 + 2 ** -30, 2.0 ** 40), (10.0, 300.0), (0.5, 1070.0),
              (1.7976931348623157e308, -2.0), (5e-324, 0.6)]
    for _ in range(12):
        x = random.uniform(1, 2) * 2.0 ** random.randint(-1000, 1000)
        powers.append((x, random.uniform(-744, 709) / ln(x)))
    return exp, log, powers


def measure_slow_paths(probe, failures, random):
    """Every step of the multiple-precision path, at every precision, against
    the error count that decides its rounding."""
    exp, log, powers = slow_arguments(random)
    lines = [f"exp-slow {struct_bits(x)}" for x in exp]
    lines += [f"{f}-slow {struct_bits(x)}" for f in ("log", "log10") for x in log]
    lines += [f"pow-slow {struct_bits(x)} {struct_bits(y)}" for x, y in powers]
    mpmath.mp.prec = 2300
    smallest = None
    for answer in probe_parts(probe, lines):
        head, steps = answer[0], answer[1:]
        name = head[0][:-len("-slow")]
        x = mpmath.mpf(struct_double(head[1]))
        y = mpmath.mpf(struct_double(head[2])) if name == "pow" else None
        truth = {"exp": lambda: mpmath.exp(x), "log": lambda: mpmath.log(x),
                 "log10": lambda: mpmath.log10(x), "pow": lambda: mpmath.power(x, y)}[name]()
        for limbs, exponent, count, digits in steps:
            limbs, exponent, count = int(limbs), int(exponent), float(count)
            bits = 64 * (limbs - 1)
            value = int(digits, 16)
            if value >= 1 << (64 * limbs - 1):
                value -= 1 << (64 * limbs)
            error = abs(value - truth / mpmath.mpf(2) ** exponent * mpmath.mpf(2) ** bits)
            margin = count / float(error) if error else math.inf
            if smallest is None or margin < smallest[0]:
                smallest = (margin, name, bits, head[1], float(error), count)
            if error > count:
                failures.append(f"{name} slow path at {head[1]}, {bits} bits: off by "
                                f"{float(error):.2f} ulps, count {count:.0f}")
    margin, name, bits, where, error, count = smallest
    print(f"multiple-precision path, {len(lines)} arguments, every precision: the smallest "
          f"margin is {name} at {where}, {bits} bits: off by {error:.2f} ulps of a count of "
          f"{count:.0f} ({margin:.2f} times)")


def struct_double(bits):
    return struct.unpack("<d", struct.pack("<Q", int(bits, 16)))[0]


def main():
    arguments = sys.argv[1:]
    probe = arguments[arguments.index("--probe") + 1] if "--probe" in arguments else None
    cores = int(arguments[arguments.index("--cores") + 1]) if "--cores" in arguments else 20000
    tables = read_tables()
    log_bound, low_ratio = log_core(tables, precise=False)
    precise_bound, _ = log_core(tables, precise=True)
    exp_bound = exp_core(tables)
    checks = [
        ("kExpCoreError", "exp_core.h", exp_bound),
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
    if probe is not None:
        failures = []
        random = __import__("random").Random(20261208)
        rho = fraction(mpmath.log(2)) / 512 * (1 + power(-30))
        rl_bound = (power(-63) + power(19) * tables["step3"]) * (1 + power(-50))
        measure_series(probe, rho, failures, random)
        measure_reductions(probe, rho, rl_bound, tables, failures, random)
        measure_cores(probe, cores, {"exp": exp_bound, "log": log_bound,
                                     "precise-log": precise_bound}, failures)
        measure_slow_paths(probe, failures, random)
        for failure in failures:
            print(f"FAIL {failure}")
        failed |= bool(failures)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
