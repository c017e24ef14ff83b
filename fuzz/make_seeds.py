#!/usr/bin/env python3
"""Writes the seed inputs of calc_fuzz: one byte choosing the target, then UTF-16LE."""
import os, struct

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "seeds")
SEP = "\uffff"
SAMPLE = ["12", "40", "5", "100", "100", "20", "20", "10", "10"]  # Text1..Text9

def text(mode, s):
    return bytes([mode]) + s.encode("utf-16-le", "surrogatepass")

def press(circuit, texts, comma=False):
    return bytes([3]) + bytes([circuit | (0x80 if comma else 0)]) + SEP.join(texts).encode("utf-16-le")

def edited(**changes):
    t = list(SAMPLE)
    for name, value in changes.items():
        t[int(name[4:]) - 1] = value
    return t

seeds = {
    "check-empty": text(0, ""), "check-blank": text(0, " "), "check-comma": text(0, "1,5"),
    "check-exponent": text(0, "1E-5"), "check-surrogate": text(0, "1\U0001D7CE"),
    "check-points": text(0, "1.2.3"),
    "parse-points": text(1, "1.2.3"), "parse-overflow": text(1, "1E999"),
    "parse-underflow": text(1, "1E-999"), "parse-400-digits": text(1, "9" * 400),
    "parse-sign": text(1, "-5"), "parse-trailing": text(1, "12abc"),
    "format-rb2": bytes([2]) + struct.pack("<d", 56.1357), "format-tie": bytes([2]) + struct.pack("<d", 0.125),
    "format-max": bytes([2]) + struct.pack("<d", 1.7976931348623157e308),
    "press-one": press(1, SAMPLE), "press-two": press(2, SAMPLE, comma=True),
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
for name, data in seeds.items():
    with open(os.path.join(here, name), "wb") as f:
        f.write(data)
