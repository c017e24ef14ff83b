#!/usr/bin/env python3
"""Writes the seed inputs of calc_fuzz (the input layout is described in calc_fuzz.cpp)."""
import os, struct

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "seeds")
SAMPLE = ["12", "40", "5", "100", "100", "20", "20", "10", "10"]  # Text1..Text9

def utf16(mode, s):
    return bytes([mode]) + s.encode("utf-16-le", "surrogatepass")

def latin1(mode, s):
    return bytes([mode]) + s.encode("latin-1")

def number(value, point=""):
    return bytes([2]) + struct.pack("<d", value) + point.encode("utf-16-le", "surrogatepass")

def press(circuit, texts):
    return bytes([3, circuit]) + b"\xff".join(t.encode("latin-1") for t in texts)

def edited(**changes):
    t = list(SAMPLE)
    for name, value in changes.items():
        t[int(name[4:]) - 1] = value
    return t

seeds = {
    "check-empty": utf16(0, ""), "check-blank": utf16(0, " "), "check-comma": utf16(0, "1,5"),
    "check-exponent": utf16(0, "1E-5"), "check-surrogate": utf16(0, "1\U0001D7CE"),
    "check-points": utf16(0, "1.2.3"), "check-all-allowed": utf16(0, "0123456789.eE-+"),
    "parse-points": latin1(1, "1.2.3"), "parse-overflow": latin1(1, "1E999"),
    "parse-underflow": latin1(1, "-1E-999"), "parse-400-digits": latin1(1, "9" * 400),
    "parse-sign": latin1(1, "-5"), "parse-trailing": latin1(1, "12abc"),
    "parse-subnormal": latin1(1, "-1E-310"), "parse-max": latin1(1, "1.7976931348623158e308"),
    "parse-half-min": latin1(1, "2.4703282292062328e-324"),
    "parse-bare-exponent": latin1(1, "+.5e-"),
    # A million characters: 1E-1000000 read back up by an exponent of seven digits.
    "parse-million": latin1(1, "0." + "0" * 999_999 + "1e1000005"),
    "format-rb2": number(56.1357), "format-tie": number(0.125), "format-tie-up": number(-2.375),
    "format-max": number(1.7976931348623157e308), "format-arabic": number(3.14159, "\u066b\u066b"),
    "format-non-bmp": number(0.005, "\U0001D15F"),
    "press-one": press(1, SAMPLE), "press-two": press(2, SAMPLE),
    "press-warning": press(1, edited(Text2="400")),
    "press-exactly-4": press(1, edited(Text2="400", Text6="0", Text8="1E300", Text3="4.7")),
    "press-zero-gain": press(1, edited(Text4="0")),
    "press-tiny-r1": press(2, edited(Text8="1E-310")),
    "press-underflow": press(1, edited(Text2="1E-300", Text4="1E300")),
    "press-hidden-vcc": press(1, edited(Text1="1E999")),
    "press-empty-hfe": press(2, edited(Text4="")),
    "press-zero-ii": press(2, edited(Text8="0.7", Text6="-100", Text7="-200", Text5="1", Text9="0.7")),
}
os.makedirs(here, exist_ok=True)
for name in os.listdir(here):
    os.remove(os.path.join(here, name))
for name, data in seeds.items():
    with open(os.path.join(here, name), "wb") as f:
        f.write(data)
