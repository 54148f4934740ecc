#!/usr/bin/env python3
"""Writes the fuzzers' dictionary (fuzz/hkcal.dict) and seed corpus
(fuzz/corpus/<target>/), in the byte format fuzz_input.hpp reads: an opcode
byte (bit 7: shaped arguments) and then the arguments, little-endian.

Run from anywhere; it rewrites both. The seeds give every function of every
target a call with the library's landmark values and a call with shaped
arguments, so that a short run already reaches all of them."""
import math
import pathlib
import random
import struct

HERE = pathlib.Path(__file__).resolve().parent

# Function count per target: the modulus each target's next_call uses.
TARGETS = {"fuzz_calendar": 31, "fuzz_lunar_holidays": 28, "fuzz_timezone_names": 8}

INT32_MIN, INT32_MAX = -(2**31), 2**31 - 1

# Whole numbers the decoder reads as int32 or uint32.
INTEGERS = {
    "cut-over year": 1582, "first Gregorian year": 1583, "October": 10,
    "1582-10-04 day": 4, "first skipped day": 5, "last skipped day": 14, "1582-10-15 day": 15,
    "first lunar year": 1936, "last lunar year": 2031, "after the lunar table": 2032,
    "before the lunar table": 1935, "lunar 2023 leap month": -2,
    "JD0 1582-10-04": 2299160, "JD0 1582-10-15": 2299161, "JD0 Julian reading limit": 2299170,
    "JD0 1582-12-31 Julian": 2299248, "JD0 1583-01-00": 2299238, "JD0 0000-12-31": 1721423,
    "JD0 0001-01-01": 1721424, "JD0 2000-01-01": 2451545, "JD0 1936-01-24": 2428192,
    "JD0 2031-12-31": 2463232, "congruence limit year": 4599, "congruence overflow year": 4600,
    "congruence low year": -65, "JD0 0 year": -4712, "year before JD0 0": -4713,
    "largest whole-week n": 306783378, "largest search n": 306783379,
    "packing limit year": 214748, "day number 355": 355, "day number 366": 366,
    "HHMM +8": 800, "HHMM -5:30": -530, "HHMM 199": 199, "INT32_MIN": INT32_MIN,
    "INT32_MAX": INT32_MAX, "minus one": -1, "INT32_MAX - 1": INT32_MAX - 1,
}

# Doubles, as the 8 bytes of their bit pattern.
DOUBLES = {
    "JD0 2299160": 2299160.0, "JD0 2299160.5": 2299160.5, "JD0 2299161": 2299161.0,
    "JD0 2299248": 2299248.0, "JD0 2451545.5": 2451545.5, "JD0 0": 0.0, "minus zero": -0.0,
    "JD0 -1": -1.0, "JD0 -0.5": -0.5, "top of int32": 2147483647.0, "past int32": 2147483648.0,
    "bottom of int32": -2147483648.0, "below int32": -2147483649.0, "1e300": 1e300,
    "infinity": math.inf, "minus infinity": -math.inf, "smallest subnormal": 5e-324,
    "largest double": 1.7976931348623157e308,
}
NAN_PATTERNS = {"NaN": 0x7FF8000000000000, "negative NaN": 0xFFF8000000000000,
                "signalling NaN": 0x7FF0000000000001}

# uint16 fields of a SYSTEMTIME.
SHORTS = {"first platform year": 1601, "last platform year": 30827, "year 1600": 1600,
          "year 30828": 30828, "millisecond 999": 999, "millisecond 1000": 1000}


def i32(x):
    return struct.pack("<i", x)


def f64(x):
    return struct.pack("<d", x)


def escape(data):
    return "".join(f"\\x{b:02X}" for b in data)


def write_dictionary():
    lines = ["# hkcal fuzz dictionary: the library's landmark values as the bytes the",
             "# targets' decoder reads (little-endian int32, double bit patterns, uint16).",
             "# Written by make_seeds.py."]
    def entry(name, data):
        key = "".join(c if c.isalnum() else "_" for c in name)
        lines.append(f'{key}="{escape(data)}"')
    for name, value in INTEGERS.items():
        entry("i32 " + name, i32(value))
    for name, value in DOUBLES.items():
        entry("f64 " + name, f64(value))
    for name, bits in NAN_PATTERNS.items():
        entry("f64 " + name, struct.pack("<Q", bits))
    for name, value in SHORTS.items():
        entry("u16 " + name, struct.pack("<H", value))
    (HERE / "hkcal.dict").write_text("\n".join(lines) + "\n")


# Argument bytes for a raw call: dates near the cut-over and the lunar table,
# small counts and landmark JD0s, in an order that gives every function
# something meaningful whatever it reads first.
LANDMARKS = (i32(1582) + i32(10) + i32(4) + i32(2023) + i32(-2) + i32(1) + i32(3) + i32(6) +
             f64(2299160.5) + i32(2000) + i32(2) + i32(29) + f64(2451545.0) + i32(800) + i32(-530) +
             struct.pack("<8H", 1601, 1, 1, 1, 0, 30, 0, 0))


def write_corpus():
    rng = random.Random(1582)
    for target, count in TARGETS.items():
        folder = HERE / "corpus" / target
        folder.mkdir(parents=True, exist_ok=True)
        for old in folder.iterdir():
            old.unlink()
        for op in range(count):
            shaped = bytes(rng.getrandbits(8) for _ in range(len(LANDMARKS)))
            (folder / f"op{op:02d}-landmarks").write_bytes(bytes([op]) + LANDMARKS)
            (folder / f"op{op:02d}-shaped").write_bytes(bytes([op | 0x80]) + shaped)
        # Hostile values for every function in one input.
        hostile = i32(INT32_MIN) + i32(INT32_MAX) + struct.pack("<Q", NAN_PATTERNS["NaN"]) + i32(-1)
        (folder / "all-hostile").write_bytes(b"".join(bytes([op]) + hostile * 3 for op in range(count)))


if __name__ == "__main__":
    write_dictionary()
    write_corpus()
