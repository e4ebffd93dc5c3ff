#!/usr/bin/python3
"""Writes the reference tables the calculator's functions and the financial panel
are checked against: arguments drawn from a fixed seed, each typed on the keypad as
a user would, and the exact value rounded to 15 significant digits, half away from
zero, written as the display shows it. Values come from mpmath at 60 digits and are
checked at 90; a row whose exact value lies within 1E-20 (relative) of a 15-digit
tie is marked "tie" (the tests skip it), unless the value is exactly rational and
known exactly. Run it from anywhere; it rewrites

  tests/engine/function_table.txt   function, unit, arguments, keys, shown
  tests/finance/time_value_table.txt  solved key, cells, keys, shown
"""
import math
import os
import random
import sys
from decimal import Context, Decimal
from fractions import Fraction

import mpmath
from mpmath import mp, mpf

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TIE = Fraction(1, 10**20)
MAX = Fraction(sys.float_info.max)  # the largest result; 2^1024 is beyond it
DIGITS = Context(prec=15)  # an argument has at most the digits the display shows
UNIT_KEYS = {"deg": "", "rad": "Mode,", "grad": "Mode,Mode,", "-": ""}
UNIT_TURN = {"deg": 360, "rad": None, "grad": 400}


def exact(x):
    """An mpf, or an int/Fraction/Decimal, as an exact Fraction."""
    if isinstance(x, mpmath.mpf):
        man, exp = x.man_exp  # the mantissa without its sign
        return Fraction(-man if x < 0 else man) * Fraction(2) ** exp
    return Fraction(x)


def rounded(q):
    """q rounded to 15 significant digits, half away from zero: (digits, exponent of
    the first digit, relative distance of q from the nearest 15-digit tie)."""
    a = abs(q)
    e = len(str(a.numerator)) - len(str(a.denominator))
    while a >= Fraction(10) ** (e + 1):
        e += 1
    while a < Fraction(10) ** e:
        e -= 1
    scaled = a / Fraction(10) ** (e - 14)
    n = scaled.numerator // scaled.denominator
    frac = scaled - n
    dist = abs(frac - Fraction(1, 2)) / scaled
    if frac >= Fraction(1, 2):
        n += 1
    if n == 10**15:
        n, e = 10**14, e + 1
    return str(n).rstrip("0"), e, dist


def shown(q):
    """The display text of an exact value, as the calculator writes a result."""
    if q == 0:
        return "0"
    if abs(q) > MAX:
        return "ERROR"
    d, e, _ = rounded(q)
    sign = "-" if q < 0 else ""
    if 0 <= e <= 14:
        whole = d[: e + 1].ljust(e + 1, "0")
        rest = d[e + 1:]
        return sign + whole + ("." + rest if rest else "")
    if -4 <= e < 0:
        return sign + "0." + "0" * (-e - 1) + d
    mant = d[0] + ("." + d[1:] if len(d) > 1 else "")
    return sign + mant + "E" + ("-" if e < 0 else "+") + str(abs(e)).rjust(2, "0")


def near_tie(q):
    return q != 0 and abs(q) <= MAX and rounded(q)[2] < TIE


def typed(x):
    """The keys that type the decimal x: plain while it has at most 15 digits,
    else its mantissa and EXP; ± after the number for a negative."""
    x = Decimal(x)
    a = abs(x).normalize()
    plain = format(a, "f")
    digits = sum(c.isdigit() for c in plain)
    if digits <= 15:
        keys = plain
    else:
        e = a.adjusted()
        mant = format((a.scaleb(-e)).normalize(), "f")
        keys = mant + ",EXP," + ("-," if e < 0 else "") + str(abs(e))
    return keys + (",+/-" if x < 0 else "")


def text(x):
    """An argument as written in the table: as typed, with E for the exponent."""
    keys = typed(abs(Decimal(x))).replace(",EXP,-,", "E-").replace(",EXP,", "E")
    return ("-" if Decimal(x) < 0 else "") + keys


def draw(rng, lo, hi, digits=None, negative=0.0):
    """A decimal with 1 to 15 (or `digits`) significant digits, magnitude 10^lo..10^hi."""
    n = digits or rng.choice([1, 2, 3, 4, 6, 8, 10, 12, 15, 15, 15])
    mant = rng.randrange(10 ** (n - 1), 10**n)
    x = Decimal(mant).scaleb(rng.randint(lo, hi) - n + 1)
    return -x if rng.random() < negative else x


def decimals(words):
    return [Decimal(w) for w in words.split()]


def typical(rng, lo=-3, hi=5, negative=0.0):
    """A number as typed: up to six decimals, or an amount, or a whole number."""
    kind = rng.randrange(3)
    if kind == 0:
        x = Decimal(rng.randrange(1, 10**9)).scaleb(-rng.randint(0, 6))
    elif kind == 1:
        x = Decimal(rng.randrange(1, 10**7)).scaleb(-2)
    else:
        x = Decimal(rng.randrange(1, 10**8))
    x = max(min(x, Decimal(10) ** hi), Decimal(10) ** lo)
    return -x if rng.random() < negative else x


# ---- the functions ----

def compute(f, prec):
    """f evaluated at `prec` digits and whether that value is exact (f gave a
    Fraction); None for a domain error or overflow."""
    mp.dps = prec
    try:
        v = f()
    except (ValueError, ZeroDivisionError):
        return None, False
    if isinstance(v, (Fraction, int)):
        return Fraction(v), True
    if v is None or not isinstance(v, mpmath.mpf) or not mpmath.isfinite(v):
        return None, False
    return exact(v), False


def angle(x, unit):
    """An angle typed in `unit`, in radians, reduced exactly by whole turns first."""
    q = Fraction(x)
    if unit == "rad":
        return mpf(q.numerator) / q.denominator
    turn = UNIT_TURN[unit]
    q -= turn * (q // turn)
    return mpf(q.numerator) / q.denominator * 2 * mp.pi / turn


def in_unit(radians, unit):
    return radians if unit == "rad" else radians * UNIT_TURN[unit] / (2 * mp.pi)


def F(x):
    """A number as an mpf at the working precision."""
    if isinstance(x, mpmath.mpf):
        return x
    q = Fraction(x)
    return mpf(q.numerator) / q.denominator


def trig_value(name, x, unit):
    a = angle(x, unit)
    # Right angles are exact: sin 180 is 0, tan 90 has no value.
    quarters = None if unit == "rad" else Fraction(x) / (UNIT_TURN[unit] // 4)
    if quarters is not None and quarters.denominator == 1:
        k = quarters.numerator % 4
        s, c = [(0, 1), (1, 0), (0, -1), (-1, 0)][k]
        if name == "tan":
            if c == 0:
                raise ZeroDivisionError
            return Fraction(s, c)
        return Fraction(s if name == "sin" else c)
    return getattr(mpmath, name)(a)


def inverse_trig(name, x, unit):
    v = F(x)
    if name in ("asin", "acos") and abs(v) > 1:
        raise ValueError
    return in_unit(getattr(mpmath, name)(v), unit)


def factorial(x):
    q = Fraction(x)
    if q.denominator == 1:
        if q < 0:
            raise ValueError
        return Fraction(math.factorial(int(q)))
    return mpmath.gamma(F(q) + 1)


def power(x, y):
    qx, qy = Fraction(x), Fraction(y)
    if qx == 0 and qy <= 0:
        raise ZeroDivisionError
    if qy.denominator == 1:
        return qx ** int(qy)
    if qx < 0:
        raise ValueError
    return mpmath.power(F(qx), F(qy))


def root(y, x):
    """The y-th root of x, as the calculator's inverse power key takes it."""
    if Fraction(x) < 0 or Fraction(y) == 0:
        raise ValueError
    return mpmath.power(F(x), 1 / F(y))


def pol(x, y, unit, part):
    if Fraction(x) == 0:
        raise ZeroDivisionError
    if part == "r":
        r = mpmath.sqrt(F(x) ** 2 + F(y) ** 2)
        return r if Fraction(x) > 0 else -r
    return in_unit(mpmath.atan(F(Fraction(y) / Fraction(x))), unit)


def rec(r, t, unit, part):
    f = trig_value("cos" if part == "x" else "sin", t, unit)
    return Fraction(r) * f if isinstance(f, Fraction) else F(r) * f


def function_rows(rng):
    rows = []

    def add(name, unit, args, keys, f):
        lo, _ = compute(f, 60)
        hi, known = compute(f, 90)
        if (lo is None) != (hi is None):
            sys.exit(f"unstable domain: {name} {args}")
        if lo is None:
            value, tie = "ERROR", False
        else:
            value, tie = shown(hi), near_tie(hi) and not known
            if not tie and shown(lo) != value:
                sys.exit(f"unstable value: {name} {args}")
        rows.append((name, unit, ";".join(text(a) for a in args),
                     UNIT_KEYS[unit] + keys, value, "tie" if tie else ""))

    def one(name, key, x, f, unit="-"):
        x = DIGITS.plus(x)
        add(name, unit, [x], typed(x) + "," + key, lambda: f(x))

    for x in [draw(rng, -30, 30) for _ in range(90)] + decimals("144 2.25 1E-10 0 -4"):
        one("sqrt", "sqrt", x, lambda x: mpmath.sqrt(F(x)))
    for _ in range(80):
        one("square", "x2", draw(rng, -20, 20, negative=0.3), lambda x: Fraction(x) ** 2)
    for _ in range(10):  # an 8-digit number ending in 5 whose square has 16 digits: a tie
        m = rng.randrange(3162278, 9999999) * 10 + 5
        x = Decimal(m).scaleb(rng.randint(-12, 5))
        one("square", "x2", -x if rng.random() < 0.3 else x, lambda x: Fraction(x) ** 2)
    recips = [draw(rng, -30, 30, negative=0.3) for _ in range(80)]
    recips += [Decimal(4194304).scaleb(k) for k in [-6, -1, 0, 3]]  # 1/2^22 ends in a tie
    for x in recips + [Decimal(0)]:
        one("reciprocal", "1/x", x, lambda x: 1 / Fraction(x))

    logs = [draw(rng, -300, 300) for _ in range(60)]
    logs += [Decimal(1) + draw(rng, -14, -2, negative=0.5) for _ in range(15)]
    logs += [typical(rng) for _ in range(25)]
    logs += decimals("1000 1E-250 1 0 -5")
    for x in logs:
        one("ln", "ln", x, lambda x: mpmath.log(F(x)) if x > 0 else None)
        one("log", "log", x,
            lambda x: (Fraction(x.adjusted()) if x.normalize().as_tuple().digits == (1,)
                       else mpmath.log10(F(x))) if x > 0 else None)

    exps = [x for x in (draw(rng, -12, 2, negative=0.4) for _ in range(90)) if abs(x) < 700]
    for x in exps + decimals("709.78 710 1E-10 0"):
        one("exp", "inv,ln", x, lambda x: mpmath.exp(F(x)))
    for x in [draw(rng, -12, 2, negative=0.4) for _ in range(90)]:
        if abs(x) < 300:
            one("pow10", "inv,log", x, lambda x: mpmath.power(10, F(x)))
    for x in decimals("-300 2 308.25 309 0.5 1E-12"):
        one("pow10", "inv,log", x,
            lambda x: Fraction(10) ** int(x) if x == x.to_integral() else mpmath.power(10, F(x)))

    def two(name, keys, x, y, f, unit="-"):
        x, y = DIGITS.plus(x), DIGITS.plus(y)
        add(name, unit, [x, y], keys.format(x=typed(x), y=typed(y)), lambda: f(x, y))

    n = 0
    while n < 130:
        x = draw(rng, -3, 3, negative=0.2)
        y = rng.choice([Decimal(rng.randint(-40, 40)), draw(rng, -3, 1, negative=0.4)])
        if x < 0 and y != y.to_integral():
            continue
        if x != 0 and abs(float(y) * mpmath.log10(abs(float(x)))) > 290:
            continue
        two("power", "{x},x^y,{y},=", x, y, power)
        n += 1
    for x, y in [("2", "1024"), ("2", "-22"), ("0.5", "22"), ("0", "-1"), ("-2", "0.5"),
                 ("10", "-320"), ("1.1", "2")]:
        two("power", "{x},x^y,{y},=", Decimal(x), Decimal(y), power)
    for _ in range(80):
        y = rng.choice([Decimal(rng.randint(2, 9)), draw(rng, -1, 1)])
        x = draw(rng, -40, 40)
        two("root", "{x},inv,x^y,{y},=", y, x, lambda y, x: root(y, x))
    two("root", "{x},inv,x^y,{y},=", Decimal(3), Decimal(8), lambda y, x: root(y, x))

    for unit in ("deg", "rad", "grad"):
        turn = {"deg": 360, "rad": 6, "grad": 400}[unit]
        for name in ("sin", "cos", "tan"):
            args = [typical(rng, -3, 3, negative=0.4) for _ in range(14)]
            args += [draw(rng, -8, 2, negative=0.4) for _ in range(10)]
            args += [draw(rng, 3, 15 if unit != "rad" else 20, negative=0.3) for _ in range(6)]
            if unit != "rad":
                args += [Decimal(turn // 12 * k) for k in (1, 2, 3, 6, 9)]
            else:
                args += decimals("3.14159265358979 1E20 1.5707963267949")
            args += decimals("81365.2" if unit == "deg" else "")
            for x in args:
                one(name, name, x, lambda x, n=name, u=unit: trig_value(n, x, u), unit)
        for name, key in (("asin", "sin"), ("acos", "cos"), ("atan", "tan")):
            args = [draw(rng, -12, -1, negative=0.5) for _ in range(18)]
            args += decimals("0.5 0 -0.5 1.5")
            if name != "atan":  # near the ends, where acos cancels
                args += [(Decimal(1) - draw(rng, -14, -2)) * rng.choice([1, -1]) for _ in range(4)]
            else:
                args += [draw(rng, 0, 20, negative=0.5) for _ in range(5)] + [Decimal(1)]
            for x in args:
                one(name, "inv," + key, x, lambda x, n=name, u=unit: inverse_trig(n, x, u), unit)
        for _ in range(20):
            x, y = typical(rng, -2, 6, negative=0.4), typical(rng, -2, 6, negative=0.4)
            for part in ("r", "theta"):
                two("pol_" + part, "{x},inv,+,{y},=" + (",Kout" if part == "theta" else ""), x, y,
                    lambda x, y, p=part, u=unit: pol(x, y, u, p), unit)
        for _ in range(20):
            r = typical(rng, -2, 6, negative=0.3)
            t = typical(rng, -3, 4, negative=0.4) if unit != "rad" else draw(rng, -4, 2, negative=0.4)
            for part in ("x", "y"):
                two("rec_" + part, "{x},inv,-,{y},=" + (",Kout" if part == "y" else ""), r, t,
                    lambda r, t, p=part, u=unit: rec(r, t, u, p), unit)
        two("pol_r", "{x},inv,+,{y},=", Decimal(0), Decimal(3), lambda x, y: pol(x, y, unit, "r"),
            unit)

    for name in ("sinh", "cosh", "tanh"):
        args = [draw(rng, -12, 2, negative=0.4) for _ in range(30)]
        for x in [x for x in args if abs(x) < 700] + decimals("711 1E-10"):
            one(name, "hyp," + name[:3], x, lambda x, n=name: getattr(mpmath, n)(F(x)))
    for name, lo, hi in (("asinh", -12, 200), ("acosh", 0, 200), ("atanh", -12, -1)):
        args = [draw(rng, lo, hi, negative=0.4 if name == "asinh" else 0) for _ in range(25)]
        if name == "atanh":
            args = [x * rng.choice([1, -1]) for x in args] + [Decimal(1), Decimal("1.5")]
        if name == "acosh":
            args += [Decimal(1) + draw(rng, -14, -2) for _ in range(5)] + [Decimal("0.5")]
        for x in args:
            one(name, "inv,hyp," + name[1:4], x,
                lambda x, n=name: getattr(mpmath, n)(F(x)) if n != "acosh" or x >= 1 else None)

    facts = [Decimal(k) for k in rng.sample(range(0, 171), 40)] + [Decimal(170), Decimal(171)]
    facts += [Decimal(rng.randrange(1, 169 * 10**k)).scaleb(-k)
              for k in (rng.randint(1, 3) for _ in range(60))]
    facts += [Decimal(rng.randrange(1, 2000)).scaleb(-2) * -1 for _ in range(15)]
    facts += decimals("10.5 0.5 -0.5 -1.5 -3 -1 170.5 171.5")
    for x in facts:
        one("factorial", "x!", x, factorial)
    return rows


# ---- time value of money ----

def growth(r, n, t):
    """(1+r)^n and the annuity factor (1+r*t)*((1+r)^n - 1)/r, which is n at r = 0."""
    if r == 0:
        return mpf(1), F(n)
    g = mpmath.power(1 + F(r), F(n))
    return g, (1 + F(r) * t) * (g - 1) / F(r)


def solve(key, r, n, pmt, pv, fv, t):
    """pv*(1+r)^n + pmt*annuity + fv = 0 solved for `key`; t = 1 pays at the start."""
    g, ann = growth(r, n, t)
    if key == "PMT":
        return -(F(pv) * g + F(fv)) / ann
    if key == "FV":
        return -(F(pv) * g + F(pmt) * ann)
    if key == "PV":
        return -(F(fv) + F(pmt) * ann) / g
    if key == "N":
        if r == 0:
            return -(F(pv) + F(fv)) / F(pmt)
        a = F(pmt) * (1 + F(r) * t) / F(r)
        q = (a - F(fv)) / (F(pv) + a)
        if q <= 0:
            raise ValueError
        return mpmath.log(q) / mpmath.log1p(F(r))
    raise KeyError(key)


def finance_rows(rng):
    rows = []
    cells = ["N", "PMT", "PV", "FV"]
    while len(rows) < 160:
        key = ["N", "PMT", "PV", "FV", "%/Yr"][len(rows) % 5]
        ppy = rng.choice([1, 2, 4, 12, 12, 26, 52, 365])
        if not rows:  # a tiny rate, where the logarithm of N cancels
            rows.append(("N", "52", "0.00001", "?", "-1234.56", "100", "0", "End",
                         "menu:financial,52,fin:click=P/Yr,0.00001,fin:click=%/Yr,100,"
                         "fin:click=PV,1234.56,+/-,fin:click=PMT,fin:solve=N",
                         shown(exact(solve("N", Fraction("0.00001") / 52, 0, Fraction("-1234.56"),
                                           100, 0, 0))), ""))
            continue
        kind = rng.randrange(4)
        yearly = (Decimal(rng.randrange(101, 2500)).scaleb(-2) if kind < 2 else
                  Decimal(rng.randrange(1, 9000)).scaleb(-rng.randint(4, 7)) if kind == 2 else
                  Decimal(0))
        rate = Fraction(yearly) / (100 if yearly > 1 else 1) / ppy
        n = Decimal(rng.choice([rng.randint(1, 480), rng.randrange(1, 100000) / Decimal(100)]))
        pv = Decimal(rng.randrange(100, 10**8)).scaleb(-2)
        fv = rng.choice([Decimal(0), Decimal(0), -Decimal(rng.randrange(1, 10**7)).scaleb(-2)])
        t = rng.randrange(2)
        if key == "%/Yr" and rate == 0:
            continue
        mp.dps = 60
        full = solve("PMT", rate, n, 0, pv, fv, t)
        pmt = (Decimal(exact(full).numerator) / exact(full).denominator).quantize(Decimal("0.01"))
        if key in ("PV", "FV") and rng.random() < 0.5:  # not the payment that clears the loan
            pmt = -Decimal(rng.randrange(1, 10**6)).scaleb(-2)
        if pmt == 0:
            continue
        vals = [n, pmt, pv, fv]
        if key == "%/Yr":
            def f(r):
                g, ann = growth(r, n, t)
                return F(pv) * g + F(pmt) * ann + F(fv)
            solved, scale = lambda: mpmath.findroot(f, F(rate), tol=mpf(10) ** (5 - mp.dps)), ppy
        else:
            solved, scale = lambda: solve(key, rate, n, pmt, pv, fv, t), 1
        (lo, _), (hi, _) = compute(solved, 60), compute(solved, 90)
        if lo is None or hi is None or (key == "%/Yr" and hi <= 0):
            continue
        lo, hi = lo * scale, hi * scale
        tie = near_tie(hi)
        if not tie and shown(lo) != shown(hi):
            sys.exit(f"unstable finance value {key}")
        keys = ["menu:financial", f"{ppy},fin:click=P/Yr", f"{typed(yearly)},fin:click=%/Yr"]
        keys += [f"{typed(v)},fin:click={c}" for c, v in zip(cells, vals) if c != key]
        keys += ["fin:start"] * t + [f"fin:solve={key}"]
        rows.append((key, str(ppy), text(yearly)) +
                    tuple(text(v) if c != key else "?" for c, v in zip(cells, vals)) +
                    ("Start" if t else "End", ",".join(keys), shown(hi), "tie" if tie else ""))
    return rows


def write(path, header, rows):
    ties = sum(1 for r in rows if r[-1] == "tie")
    with open(os.path.join(ROOT, path), "w", encoding="utf-8") as out:
        out.write("# Generated by scripts/make-function-table.py; do not edit.\n")
        out.write(f"# {len(rows)} rows, {ties} marked tie (within 1E-20 of a 15-digit tie).\n")
        out.write("# " + " ".join(header) + "\n")
        for r in rows:
            out.write(" ".join(c for c in r if c != "") + "\n")
    print(f"{path}: {len(rows)} rows, {ties} ties")


def main():
    write("tests/engine/function_table.txt",
          ["function", "unit", "arguments", "keys", "shown", "[tie]"],
          function_rows(random.Random(33)))
    write("tests/finance/time_value_table.txt",
          ["key", "P/Yr", "%/Yr", "N", "PMT", "PV", "FV", "timing", "keys", "shown", "[tie]"],
          finance_rows(random.Random(3300)))


if __name__ == "__main__":
    main()
