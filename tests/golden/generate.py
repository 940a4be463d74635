#!/usr/bin/env python3
"""Writes the expected schedules of a few loans, worked out here without the program.

Each loan is written as the four summary captions (amount, rate, terms, payment) and then
every grid row, one a line, fields separated by TAB, in en-US settings. A loan too long to
keep as text is written as the SHA-256 of that text instead.

The program keeps the payment, interest, principal and balance in 32-bit floats and carries
the balance from month to month through its text of at most 7 significant digits; f32 and
single_to_text below do the same with the standard library alone.

Run it from anywhere: python3 tests/golden/generate.py
"""

import hashlib
import struct
from decimal import ROUND_HALF_UP, Decimal
from pathlib import Path

LOANS = [  # amount, rate (% a year), terms (years), kept as text or as hash
    ("100000", "6", "30", "text"),
    ("250000", "3.875", "15", "text"),
    ("25000000", "0.125", "2730.58333333333", "hash"),  # 32767 months
]


def f32(value):
    """The value stored in a 32-bit float: rounded to nearest, ties to even."""
    return struct.unpack("f", struct.pack("f", value))[0]


def general_text(value, digits):
    """Shortest text with at most the given significant digits, exponent as "1.5E+07"."""
    if value == 0:
        return "0"
    return ("%.*g" % (digits, value)).replace("e", "E")


def single_to_text(value):
    return general_text(value, 7)


def double_to_text(value):
    return general_text(value, 15)


def fixed(value, decimals, grouped):
    """The magnitude of the exact binary value, rounded half away from zero."""
    rounded = abs(Decimal(value)).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
    return format(rounded, ",.%df" % decimals if grouped else ".%df" % decimals)


def currency(value):
    money = "$" + fixed(value, 2, grouped=True)
    return "(" + money + ")" if value < 0 else money


def percent_pattern(value):
    """The pattern "% #0.00", the value not scaled; a negative keeps its sign after "% "."""
    return "% " + ("-" if value < 0 else "") + fixed(value, 2, grouped=False)


def payment_of(r, nper, pv):
    """The level payment at the end of each period for a present value pv (negative: received)."""
    if r == 0:
        return -pv / nper
    return -pv * r / (1 - (1 + r) ** -nper)


def schedule(amount, rate, terms):
    monthly_rate = float(rate) / 100 / 12
    payment = f32(payment_of(monthly_rate, float(terms) * 12, -float(amount)))
    interest = f32(float(amount) * monthly_rate)
    principal = f32(payment - interest)
    balance = f32(float(amount) - principal)

    lines = [
        currency(float(amount)),
        percent_pattern(float(rate)),
        terms + "(" + double_to_text(float(terms) * 12) + " months)",
        currency(payment) + "/mo",
        "Month\tPayment\tInterest\tPrinciple\tBalance\t",
        "0\t\t\t\t" + currency(float(amount)) + "\t",
    ]
    for month in range(1, round(float(terms) * 12) + 1):  # round: half to even
        lines.append("\t".join([str(month), currency(payment), percent_pattern(interest),
                                currency(principal), currency(balance)]))
        balance_text = single_to_text(balance)
        interest = f32(float(balance_text) * (float(rate) / 100 / 12))
        principal = f32(payment - interest)
        balance = f32(balance - principal)
    return "".join(line + "\n" for line in lines)


def main():
    folder = Path(__file__).resolve().parent
    for amount, rate, terms, kept_as in LOANS:
        text = schedule(amount, rate, terms)
        name = "loan_%s_%s_%s" % (amount, rate, terms)
        if kept_as == "text":
            (folder / (name + ".txt")).write_text(text)
        else:
            (folder / (name + ".sha256")).write_text(hashlib.sha256(text.encode()).hexdigest() + "\n")


if __name__ == "__main__":
    main()
