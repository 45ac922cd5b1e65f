#!/usr/bin/python3
"""Writes the bundled text data of data/ from the readable sources in data-src/.

  TwHd.dat    holidays      <- data-src/holidays.txt
  TwNd.dat    name days     <- data-src/namedays.txt
  TwBd.dat    birthdays     (empty: they are the user's own)
  TwTips.dat  tips          <- data-src/tips.txt

Output is CP1252 with CRLF line ends, in the line formats the program reads. Letters
follow the German convention ("O" for Easter offsets, "S" for no colour). Any source
line that the program would misread stops the script with an error.

Usage: make_data.py [OUTPUT_DIR]   (default: data/ of the repository)
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.join(HERE, "data-src")
DAYS_IN_MONTH = [31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
NAME_MAX = 63


class SourceError(Exception):
    pass


def source_lines(name):
    with open(os.path.join(SRC, name), encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n").rstrip("\r")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            yield number, line


def cp1252(text, where):
    try:
        data = text.encode("cp1252")
    except UnicodeEncodeError as e:
        raise SourceError(f"{where}: not representable in CP1252: {text!r}") from e
    if any(b < 32 for b in data):
        raise SourceError(f"{where}: control character in {text!r}")
    return data


def day_month(value, where):
    try:
        d, m = (int(x) for x in value.split("."))
    except ValueError as e:
        raise SourceError(f"{where}: DD.MM expected, got {value!r}") from e
    if not 1 <= m <= 12 or not 1 <= d <= DAYS_IN_MONTH[m - 1]:
        raise SourceError(f"{where}: no such day {value}")
    return d * 100 + m


def check_name(name, where):
    data = cp1252(name, where)
    if not name or len(data) > NAME_MAX:
        raise SourceError(f"{where}: name must have 1..{NAME_MAX} characters: {name!r}")
    return data


def holidays():
    out = []
    for number, line in source_lines("holidays.txt"):
        where = f"holidays.txt:{number}"
        parts = line.split(None, 5)
        if len(parts) != 6:
            raise SourceError(f"{where}: six fields expected")
        state, kind, value, official, colour, name = parts
        if state not in "AI" or official not in "OI" or colour not in "RGBS":
            raise SourceError(f"{where}: bad state, official or colour letter")
        if kind == "F":
            number_value = day_month(value, where)
        elif kind in ("O", "A"):
            number_value = int(value)
            if not -400 <= number_value <= 400:
                raise SourceError(f"{where}: offset out of range")
        elif kind in "0123456" and len(kind) == 1:
            week, month = (int(x) for x in value.split("."))
            if not 0 <= week <= 4 or not 1 <= month <= 12:
                raise SourceError(f"{where}: W.MM with W 0..4 expected")
            number_value = week * 100 + month
        else:
            raise SourceError(f"{where}: unknown kind {kind!r}")
        out.append(b"%s %s %d %s %s %s\r\n" % (state.encode(), kind.encode(), number_value,
                                               official.encode(), colour.encode(),
                                               check_name(name, where)))
    return b"".join(out)


def namedays():
    out = []
    for number, line in source_lines("namedays.txt"):
        where = f"namedays.txt:{number}"
        parts = line.split(None, 1)
        if len(parts) != 2:
            raise SourceError(f"{where}: DD.MM and a name expected")
        out.append(b"A %d S %s\r\n" % (day_month(parts[0], where), check_name(parts[1], where)))
    return b"".join(out)


def tips():
    lines = []
    for number, line in source_lines("tips.txt"):
        where = f"tips.txt:{number}"
        data = cp1252(line.strip(), where)
        if data.count(b"{") != data.count(b"}"):
            raise SourceError(f"{where}: unbalanced braces")
        if len(data) > 1000:
            raise SourceError(f"{where}: tip too long")
        lines.append(data)
    if not 1 <= len(lines) <= 9999:
        raise SourceError("tips.txt: 1..9999 tips expected")
    # The reader takes the count from the first six bytes: four digits, CR, LF.
    return b"%04d\r\n" % len(lines) + b"".join(l + b"\r\n" for l in lines)


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "data")
    os.makedirs(out_dir, exist_ok=True)
    try:
        files = {"TwHd.dat": holidays(), "TwNd.dat": namedays(), "TwBd.dat": b"",
                 "TwTips.dat": tips()}
    except SourceError as e:
        sys.exit(f"make_data: {e}")
    for name, data in files.items():
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
