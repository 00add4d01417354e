#!/usr/bin/python3
"""Checks the engine's exp, log, log10 and pow against mpmath.

    check_against_mpmath.py PROBE... [--count N] [--seed S] [--functions exp,pow]
                            [--jobs J] [--cases FILE] [--table FILE]

PROBE reads lines "function xbits ybits" (hexadecimal binary64 patterns) on
its standard input and writes the result's bits, one line each. For every
function, N arguments are drawn (seed S) from the whole domain: decades of
magnitude, near 1, near overflow and underflow, subnormal numbers, integer
and half-integer exponents, negative bases, exact powers and ties, random
bit patterns and the special values. The expected result is the correct
rounding (to nearest, ties to even) of the value mpmath computes with 300
bits, or more when that value lies too near a rounding boundary; pow's
exact cases are decided with rational arithmetic. Prints one line per
function and "N passed, N failed"; exits 1 on any mismatch.

--aimed draws, instead, N arguments per boundary where the rounding position
of the result changes, aimed so that the results fall within a few hundred
ulps of it on either side: for exp and pow the normal/subnormal boundary
2^-1022, the least subnormal numbers (the rounding boundaries 2^-1075 and
1.5 2^-1074), overflow (the largest double plus half an ulp) and the powers
of two of the normal range; for log and log10 the powers of two. pow is
aimed three ways: integer exponents with x = T^(1/y), bases near 1 with huge
exponents, and any base with y = ln(T)/ln(x); negative bases with odd y too.

--digest FILE, for a build whose probe runs under an emulator: draws the
same arguments, runs the probe and compares a SHA-256 digest of its results
with the line of FILE for this sample (mpmath is not run: the native build
checks those results against it and against the same FILE, so equal digests
mean equal, correctly rounded results). --write-digest FILE writes the line.

--cases FILE checks the arguments of FILE (lines "function xbits ybits")
instead of drawn ones; --table FILE writes them with their expected results
as rows of a C++ table, for the unit tests.
"""
import argparse
import hashlib
import math
import multiprocessing
import random
import struct
import subprocess
import sys
from fractions import Fraction

import gmpy2
import mpmath

FUNCTIONS = ("exp", "log", "log10", "pow")
INF = float("inf")
NAN = float("nan")
SPECIALS = [0.0, -0.0, INF, -INF, NAN, 1.0, -1.0, 2.0, -2.0, 0.5, -0.5, 5e-324, -5e-324,
            2.2250738585072014e-308, 1.7976931348623157e308, -1.7976931348623157e308,
            10.0, 0.1, 3.0, -3.0, 1e-300, 1e300]


def bits(x):
    return struct.unpack("<Q", struct.pack("<d", x))[0]


def from_bits(b):
    return struct.unpack("<d", struct.pack("<Q", b & 0xFFFFFFFFFFFFFFFF))[0]


def next_up(x, n=1):
    return math.nextafter(x, INF) if n == 1 else next_up(math.nextafter(x, INF), n - 1)


# ---------------------------------------------------------------- rounding

def round_ratio(sign, numerator, denominator):
    """The binary64 nearest to sign * numerator / denominator (> 0), ties to
    even, subnormal numbers and overflow included."""
    e = numerator.bit_length() - denominator.bit_length()
    if (numerator << max(0, -e)) < (denominator << max(0, e)):
        e -= 1
    # value in [2^e, 2^(e+1))
    precision = 53 if e >= -1022 else e + 1075
    if precision <= 0:
        # only 2^-1075 < value < 2^-1074 rounds up
        half = Fraction(1, 2 ** 1075)
        value = Fraction(numerator, denominator)
        result = 5e-324 if (precision == 0 and value > half) else 0.0
        return -result if sign else result
    shift = precision - 1 - e  # scale so that the significand is an integer
    n = numerator << shift if shift >= 0 else numerator
    d = denominator if shift >= 0 else denominator << -shift
    q, r = divmod(n, d)
    if 2 * r > d or (2 * r == d and q % 2 == 1):
        q += 1
    try:
        result = math.ldexp(q, -shift)
    except OverflowError:
        result = INF
    return -result if sign else result


def round_mpf(v):
    if mpmath.isnan(v):
        return NAN
    if mpmath.isinf(v):
        return INF if v > 0 else -INF
    if v == 0:
        return 0.0
    sign, man, exp, bit_count = v._mpf_
    man, exp = int(man), int(exp)
    magnitude_exponent = exp + bit_count - 1
    if magnitude_exponent > 1024:
        return -INF if sign else INF
    if magnitude_exponent < -1080:
        return -0.0 if sign else 0.0
    if exp >= 0:
        return round_ratio(sign, man << exp, 1)
    return round_ratio(sign, man, 1 << -exp)


def round_fraction(f):
    if f == 0:
        return 0.0
    return round_ratio(f < 0, abs(f.numerator), f.denominator)


# ---------------------------------------------------------------- reference

def exact_pow(x, y):
    """x^y as a Fraction when it is rational (x > 0, y finite), else None."""
    fx, fy = Fraction(x), Fraction(y)
    p, q = fy.numerator, fy.denominator
    n, d = fx.numerator, fx.denominator
    if q > 1:
        if q > 2 ** 62:
            return None
        rn, exact_n = gmpy2.iroot(n, q)
        rd, exact_d = gmpy2.iroot(d, q)
        if not (exact_n and exact_d):
            return None
        n, d = int(rn), int(rd)
    # beyond this size the value has far more than 54 bits, or is 0 or inf
    if abs(p) * max(n.bit_length(), d.bit_length()) > 4000:
        return None
    base = Fraction(n, d)
    return base ** p


def value_at(function, x, y, precision):
    mpmath.mp.prec = precision
    if function == "exp":
        return mpmath.exp(mpmath.mpf(x))
    if function == "log":
        return mpmath.log(mpmath.mpf(x))
    if function == "log10":
        return mpmath.log10(mpmath.mpf(x))
    return mpmath.power(mpmath.mpf(x), mpmath.mpf(y))


def special(function, x, y):
    """The Annex F value for the arguments that need no computation, or None."""
    if function == "exp":
        if math.isnan(x):
            return NAN
        if x == INF:
            return INF
        if x == -INF:
            return 0.0
        if x == 0:
            return 1.0
        if x > 710:
            return INF
        if x < -746:
            return 0.0
        return None
    if function in ("log", "log10"):
        if math.isnan(x) or x < 0:
            return NAN
        if x == 0:
            return -INF
        if x == INF:
            return INF
        if x == 1:
            return 0.0
        return None
    # pow
    if y == 0 or x == 1:
        return 1.0
    if math.isnan(x) or math.isnan(y):
        return NAN
    odd = (not math.isinf(y)) and y == math.floor(y) and abs(y) < 2 ** 53 and int(y) % 2 == 1
    integer = (not math.isinf(y)) and y == math.floor(y)
    if math.isinf(y):
        if abs(x) == 1:
            return 1.0
        return INF if (abs(x) < 1) == (y < 0) else 0.0
    if x == 0:
        magnitude = INF if y < 0 else 0.0
        return -magnitude if (math.copysign(1, x) < 0 and odd) else magnitude
    if math.isinf(x):
        magnitude = INF if (x > 0) == (y > 0) or (x < 0 and y > 0) else 0.0
        if x < 0:
            magnitude = INF if y > 0 else 0.0
        else:
            magnitude = INF if y > 0 else 0.0
        return -magnitude if (x < 0 and odd) else magnitude
    if x < 0 and not integer:
        return NAN
    return None


def reference(function, x, y):
    """(expected result, distance of the true value to the nearest rounding
    boundary in ulps as a float, or None when it was decided specially)."""
    s = special(function, x, y)
    if s is not None:
        return s, None
    negative = False
    if function == "pow" and x < 0:
        negative = math.floor(y) == y and abs(y) < 2 ** 53 and int(y) % 2 == 1
        x = -x
    if function == "pow":
        exact = exact_pow(x, y)
        if exact is not None:
            result = round_fraction(exact)
            distance = None
            if result != 0 and not math.isinf(result):
                offset = abs(Fraction(result) - exact) / Fraction(math.ulp(result))
                distance = float(Fraction(1, 2) - offset)
            return (-result if negative else result), distance
    for precision in (300, 1200, 5000):
        v = value_at(function, x, y, precision)
        slack = mpmath.mpf(2) ** (16 - precision)
        low, high = round_mpf(v * (1 - slack)), round_mpf(v * (1 + slack))
        if bits(low) == bits(high):
            result = low
            distance = boundary_distance(v, result)
            mpmath.mp.prec = 300
            return (-result if negative else result), distance
    raise RuntimeError(f"undecided: {function} {x!r} {y!r}")


def boundary_distance(v, rounded):
    """How far v lies from the nearest rounding boundary, in ulps of the
    result (0.5 means v is the double itself)."""
    if rounded == 0 or math.isinf(rounded):
        return None
    offset = abs(mpmath.mpf(rounded) - v) / math.ulp(rounded)
    return float(mpmath.mpf(0.5) - offset)


# ---------------------------------------------------------------- arguments

def random_double(rng):
    return from_bits(rng.getrandbits(64))


def log_uniform(rng, low_exponent, high_exponent):
    return math.ldexp(1.0 + rng.random(), rng.randint(low_exponent, high_exponent))


def exp_arguments(rng, count):
    out = [(x, 0.0) for x in SPECIALS + [709.782712893384, 709.7827128933841, 709.78271289338397,
                                          -745.1332191019411, -745.1332191019412,
                                          -708.3964185322641, -708.3964185322642, 2 ** -54,
                                          -(2 ** -54), 2 ** -53, -(2 ** -53)]]
    while len(out) < count:
        kind = rng.randrange(8)
        if kind == 0:
            x = rng.uniform(-745.2, 709.8)
        elif kind == 1:
            x = math.copysign(log_uniform(rng, -60, 9), rng.random() - 0.5)
        elif kind == 2:
            x = 709.78 + rng.uniform(-0.01, 0.01)
        elif kind == 3:
            x = rng.uniform(-745.2, -707.0)
        elif kind == 4:
            x = math.copysign(log_uniform(rng, -1074, -50), rng.random() - 0.5)
        elif kind == 5:
            x = random_double(rng)
        elif kind == 6:
            x = rng.randint(-1490, 1420) / 2
        else:
            x = rng.uniform(-2, 2)
        out.append((x, 0.0))
    return out[:count]


def log_arguments(rng, count):
    out = [(x, 0.0) for x in SPECIALS]
    for k in range(-30, 31):
        p = float(10) ** k if k >= 0 else 1 / float(10) ** -k
        out += [(p, 0.0), (next_up(p), 0.0), (math.nextafter(p, 0), 0.0)]
    while len(out) < count:
        kind = rng.randrange(7)
        if kind == 0:
            x = abs(random_double(rng))
        elif kind == 1:
            x = 1 + rng.randint(1, 1 << 20) * 2 ** -52
        elif kind == 2:
            x = 1 - rng.randint(1, 1 << 20) * 2 ** -53
        elif kind == 3:
            x = 1 + rng.uniform(-2 ** -7, 2 ** -7)
        elif kind == 4:
            x = rng.uniform(0.5, 2)
        elif kind == 5:
            x = log_uniform(rng, -1074, 1023)
        else:
            x = rng.uniform(0, 1e6)
        if math.isnan(x) or x == 0:
            x = 1.5
        out.append((x, 0.0))
    return out[:count]


def pow_arguments(rng, count):
    out = [(x, y) for x in SPECIALS for y in SPECIALS]
    # exact powers and ties: squares of odd 27-bit numbers (54-bit ties),
    # cubes through 1.5, roots through 1/2^k, powers of two
    for m in range(94906267, 94906267 + 200, 2):
        out.append((float(m), 2.0))
    for s in range(208065, 208065 + 200, 2):
        out.append((float(s * s), 1.5))
    for base in (3, 5, 7, 9, 11, 13):
        for k in range(1, 6):
            v = base ** (2 ** k)
            if v < 2 ** 53:
                out.append((float(v), 1 / 2 ** k))
                out.append((float(v), 3 / 2 ** k))
    for e in range(-1074, 1024, 7):
        out.append((math.ldexp(1, e), rng.choice([0.5, -0.5, 0.25, 1.5, -1, 3, 0.1])))
    while len(out) < count:
        kind = rng.randrange(12)
        if kind == 0:
            x = log_uniform(rng, -1074, 1023)
            w = rng.uniform(-745.2, 709.8)
            y = w / math.log(x) if x != 1 else 1.0
        elif kind == 1:
            x = log_uniform(rng, -30, 30)
            y = rng.uniform(-20, 20)
        elif kind == 2:
            x = math.copysign(rng.uniform(0.01, 100), rng.random() - 0.5)
            y = float(rng.randint(-60, 60))
        elif kind == 3:
            x = math.copysign(log_uniform(rng, -1074, 1023), rng.random() - 0.5)
            y = float(rng.randint(-2000, 2000))
        elif kind == 4:
            x = log_uniform(rng, -100, 100)
            y = rng.randint(-400, 400) / 2
        elif kind == 5:
            x = log_uniform(rng, -1074, 1023)
            y = rng.choice([0.3333333333333333, 0.5, -0.5, 1.5, -1.5, 2.5, 0.25, -0.25])
        elif kind == 6:
            x = 1 + rng.choice([1, -1]) * rng.randint(1, 1 << 12) * 2 ** -52
            y = math.copysign(log_uniform(rng, 40, 63), rng.random() - 0.5)
        elif kind == 7:
            x = log_uniform(rng, -60, 60)
            target = rng.choice([709.78, -745.13, -708.4]) + rng.uniform(-0.02, 0.02)
            y = target / math.log(x) if x != 1 else 2.0
        elif kind == 8:
            x = math.ldexp(1.0 + rng.random(), rng.randint(-1074, -1020))
            y = rng.uniform(-1.5, 1.5)
        elif kind == 9:
            x, y = random_double(rng), random_double(rng)
        elif kind == 10:
            m = rng.randrange(3, 1 << 26, 2)
            x, y = float(m), float(rng.randint(1, 4))
        else:
            x = rng.uniform(0, 4)
            y = rng.uniform(-4, 4)
        out.append((x, y))
    return out[:count]


GENERATORS = {"exp": exp_arguments, "log": log_arguments, "log10": log_arguments,
              "pow": pow_arguments}


# ---------------------------------------------------------------- aimed arguments

def boundary_targets(rng, boundary):
    """A value T near which the rounding position of a result changes, as an
    mpf of 120 bits, moved by up to a few hundred ulps either way."""
    mpmath.mp.prec = 120
    two = mpmath.mpf(2)
    if boundary == "subnormal":
        target = two ** -1022
    elif boundary == "least subnormal":
        target = rng.choice([two ** -1075, 3 * two ** -1075, two ** -1074])
    elif boundary == "overflow":
        target = two ** 1024 * (1 - two ** -54)
    else:
        target = two ** rng.randint(-1021, 1023)
    return target * (1 + rng.uniform(-512, 512) * two ** -53)


def aimed_exp(rng, boundary, count):
    """Doubles x around ln(T): the neighbours of the nearest double step the
    result by about 2^-43 relative, and random ones from each target."""
    out = []
    centre = float(mpmath.log(boundary_targets(rng, boundary)))
    for k in range(-min(200, count // 4), min(200, count // 4)):
        out.append((next_up(centre, k) if k > 0 else -next_up(-centre, -k) if k < 0 else centre,
                    0.0))
    while len(out) < count:
        out.append((float(mpmath.log(boundary_targets(rng, boundary))), 0.0))
    return out[:count]


def aimed_pow(rng, boundary, count):
    out = []
    while len(out) < count:
        target = boundary_targets(rng, boundary)
        log_target = mpmath.log(target)
        way = rng.randrange(4)
        if way == 0:
            # an integer y, the base its root
            y = rng.choice([-1, 1]) * rng.randint(2, 1100)
            x = float(mpmath.exp(log_target / y))
            y = float(y)
        elif way == 1:
            # a base near 1, an exponent up to 2^62
            x = 1 + rng.choice([1, -1]) * rng.randint(1, 1 << rng.randint(1, 30)) * 2.0 ** -52
            y = float(log_target / mpmath.log(x))
        else:
            # any base
            x = math.ldexp(1.0 + rng.random(), rng.randint(-1074, 1023))
            if x == 1:
                continue
            y = float(log_target / mpmath.log(x))
        if not math.isfinite(x) or x <= 0 or not math.isfinite(y):
            continue
        if way == 3 and y == math.floor(y) and abs(y) < 2 ** 53 and int(y) % 2 == 1:
            x = -x  # an odd integer exponent takes a negative base too
        out.append((x, y))
    return out


def aimed_logarithm(power, largest):
    """Arguments x around power(+-2^k), k up to `largest`: results at a power
    of two."""
    def generator(rng, boundary, count):
        out = []
        mpmath.mp.prec = 120
        while len(out) < count:
            k = rng.randint(-52, largest)
            value = mpmath.mpf(2) ** k * (1 + rng.uniform(-512, 512) * mpmath.mpf(2) ** -53)
            x = float(power(value if rng.random() < 0.5 else -value))
            if 0 < x < INF and x != 1:
                out.append((x, 0.0))
        return out
    return generator


AIMED = {"exp": (aimed_exp, ("subnormal", "least subnormal", "overflow", "binade")),
         "pow": (aimed_pow, ("subnormal", "least subnormal", "overflow", "binade")),
         "log": (aimed_logarithm(mpmath.exp, 9), ("binade",)),
         "log10": (aimed_logarithm(lambda v: mpmath.power(10, v), 8), ("binade",))}


def aimed_arguments(function, rng, count):
    generator, boundaries = AIMED[function]
    out = []
    for boundary in boundaries:
        out += generator(rng, boundary, count)
    mpmath.mp.prec = 300
    return out


# ---------------------------------------------------------------- checking

def expected_chunk(task):
    function, chunk = task
    mpmath.mp.prec = 300
    return [reference(function, x, y) for x, y in chunk]


def run_probe(probe, function, arguments):
    lines = "".join(f"{function} {bits(x):016x} {bits(y):016x}\n" for x, y in arguments)
    result = subprocess.run(probe, input=lines, capture_output=True, text=True, check=True)
    return [from_bits(int(line, 16)) for line in result.stdout.split()]


def same(a, b):
    if math.isnan(a) and math.isnan(b):
        return True
    return bits(a) == bits(b)


def drawn_arguments(options, function):
    rng = random.Random(f"{options.seed}-{function}")
    if options.aimed:
        return aimed_arguments(function, rng, options.count)
    return GENERATORS[function](rng, options.count)


def check_digest(options):
    digest = hashlib.sha256()
    for function in options.functions.split(","):
        arguments = drawn_arguments(options, function)
        for (x, y), got in zip(arguments, run_probe(options.probe, function, arguments)):
            digest.update(f"{function} {bits(x):016x} {bits(y):016x} {bits(got):016x}\n".encode())
    sample = f"{'aimed' if options.aimed else 'sample'} {options.count} seed {options.seed}"
    line = f"{sample} {digest.hexdigest()}"
    if options.write_digest:
        with open(options.write_digest, "a") as out:
            out.write(line + "\n")
        return 0
    with open(options.digest) as lines:
        known = [known.strip() for known in lines if known.startswith(sample + " ")]
    if known != [line]:
        print(f"FAIL the probe's results for {sample} hash to {digest.hexdigest()}, "
              f"not to the digest of {options.digest}: {known}")
        print("0 passed, 1 failed")
        return 1
    print(f"the probe's results for {sample} equal the checked ones (digest {digest.hexdigest()[:16]})")
    print("1 passed, 0 failed")
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("probe", nargs="+")
    parser.add_argument("--count", type=int, default=20000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--functions", default=",".join(FUNCTIONS))
    parser.add_argument("--jobs", type=int, default=multiprocessing.cpu_count())
    parser.add_argument("--aimed", action="store_true")
    parser.add_argument("--cases")
    parser.add_argument("--table")
    parser.add_argument("--digest")
    parser.add_argument("--write-digest")
    options = parser.parse_args()
    if options.digest or options.write_digest:
        return check_digest(options)

    given = {}
    if options.cases:
        with open(options.cases) as lines:
            for line in lines:
                if line.strip() and not line.startswith("#"):
                    function, x, y = line.split()[:3]
                    given.setdefault(function, []).append((from_bits(int(x, 16)),
                                                           from_bits(int(y, 16))))
    failed = 0
    passed = 0
    rows = []
    with multiprocessing.Pool(options.jobs) as pool:
        for function in options.functions.split(","):
            if options.cases:
                arguments = given.get(function, [])
                if not arguments:
                    continue
            else:
                arguments = drawn_arguments(options, function)
            size = 2000
            chunks = [(function, arguments[i:i + size]) for i in range(0, len(arguments), size)]
            expected = [r for part in pool.map(expected_chunk, chunks) for r in part]
            actual = run_probe(options.probe, function, arguments)
            mismatches = 0
            closest = None
            for (x, y), (want, distance), got in zip(arguments, expected, actual):
                if not same(want, got):
                    mismatches += 1
                    if mismatches <= 10:
                        print(f"MISMATCH {function}({x!r}, {y!r}) [{bits(x):016x} {bits(y):016x}]:"
                              f" expected {want!r} [{bits(want):016x}], got {got!r} [{bits(got):016x}]")
                if distance is not None and distance > 0:
                    if closest is None or distance < closest[0]:
                        closest = (distance, x, y)
                rows.append((function, x, y, want, distance))
            tightest = f", nearest to a boundary: {closest[0]:.3g} ulp at ({closest[1]!r}, {closest[2]!r})" \
                if closest else ""
            print(f"{function}: {len(arguments)} arguments, {mismatches} mismatches{tightest}")
            sys.stdout.flush()
            failed += mismatches
            passed += len(arguments) - mismatches
    if options.table:
        with open(options.table, "w") as out:
            out.write("// Generated by tests/math/check_against_mpmath.py --table from mpmath;\n")
            out.write("// each row: function, x, y, the correctly rounded result (bit\n")
            out.write("// patterns), and how near the true value lies to a rounding boundary.\n")
            for function, x, y, want, distance in rows:
                if distance is None:
                    near = "special, zero or infinite"
                else:
                    near = f"{distance:.2g} ulp from a tie"
                out.write(f"{{\"{function}\", 0x{bits(x):016x}, 0x{bits(y):016x}, "
                          f"0x{bits(want):016x}}},  // {near}\n")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
