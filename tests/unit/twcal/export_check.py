#!/usr/bin/python3
"""Checks `twcal export` with a real iCalendar parser and Python's csv module against
`twcal day --json` for the same dates: a full moon at 00:49 MEZ (the previous day in UTC),
a node at 00:38 MEZ on 1 January 2048 (the previous year in UTC), RFC 4180 quoting,
75-octet folding, stable UIDs and the refusals of bad periods.

usage: export_check.py TWCAL DATA_DIR SCRATCH_DIR
"""
import csv
import datetime as dt
import io
import json
import os
import shutil
import subprocess
import sys

import icalendar

TWCAL, DATA, WORK = sys.argv[1:4]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def run(*args, data=DATA):
    p = subprocess.run([TWCAL, *args, "--data", data], capture_output=True)
    return p.returncode, p.stdout, p.stderr.decode("utf-8", "replace")


def export(fmt, first, last, *extra, data=DATA):
    rc, out, err = run("export", "--from", first, "--to", last, "--format", fmt, *extra, data=data)
    check(rc == 0 and err == "", f"export {fmt} {first}..{last} {extra}: exit {rc} {err}")
    return out


def days(first, last):
    d = dt.date.fromisoformat(first)
    while d <= dt.date.fromisoformat(last):
        yield d
        d += dt.timedelta(days=1)


def day_json(d, *extra):
    rc, out, err = run("day", d.isoformat(), "--json", *extra)
    assert rc == 0, err
    return json.loads(out)


def utc(d, clock):
    h, m = map(int, clock.split(":"))
    return dt.datetime(d.year, d.month, d.day, h, m, tzinfo=dt.timezone.utc) - dt.timedelta(hours=1)


def events(raw):
    cal = icalendar.Calendar.from_ical(raw)
    return [c for c in cal.walk() if c.name == "VEVENT"]


def check_lines(raw, what):
    lines = raw.split(b"\r\n")
    check(lines[-1] == b"", f"{what}: does not end with CRLF")
    for n, line in enumerate(lines[:-1]):
        check(b"\n" not in line and b"\r" not in line, f"{what}: bare line break in line {n}")
        check(len(line) <= 75, f"{what}: line {n} has {len(line)} octets")
        if line.startswith(b" "):
            check((line[1] & 0xC0) != 0x80, f"{what}: fold splits a UTF-8 sequence at line {n}")


# Timed events: (json time field, UID kind, summary from the record)
def expected_timed(d, j, sternbild=False):
    rec, out = j["record"], {}
    stamp = d.strftime("%Y%m%d")
    if rec["phaseTime"]:
        out[f"{stamp}-phase"] = (utc(d, rec["phaseTime"]), "Neumond" if rec["waxing"] else "Vollmond")
    moon, sun = ("moonConstellation", "sunConstellation") if sternbild else ("moonSign", "sunSign")
    kind = "constellation" if sternbild else "sign"
    if rec[moon + "Time"]:
        out[f"{stamp}-moon{kind}"] = (utc(d, rec[moon + "Time"]), None)
    if rec[sun + "Time"]:
        out[f"{stamp}-sun{kind}"] = (utc(d, rec[sun + "Time"]), None)
    if rec["nodeTime"]:
        out[f"{stamp}-node"] = (utc(d, rec["nodeTime"]),
                                "aufsteigender Knoten" if rec["nodeKind"] else "absteigender Knoten")
    if rec["distanceTime"]:
        out[f"{stamp}-distance"] = (utc(d, rec["distanceTime"]),
                                    "Apogäum (Erdferne)" if rec["approaching"] else "Perigäum (Erdnähe)")
    return out


def check_ics(first, last, *extra):
    sternbild = "--sternbild" in extra
    raw = export("ics", first, last, "--selection", "0", *extra)
    check_lines(raw, f"ics {first}")
    evs = events(raw)
    uids = [str(e["UID"]) for e in evs]
    check(len(uids) == len(set(uids)), f"ics {first}: duplicate UIDs")
    timed = {str(e["UID"]).split("@")[0]: e for e in evs if isinstance(e.decoded("DTSTART"), dt.datetime)}
    allday = [e for e in evs if not isinstance(e.decoded("DTSTART"), dt.datetime)]
    want = {}
    for d in days(first, last):
        j = day_json(d, *extra)
        want.update(expected_timed(d, j, sternbild))
        on_day = [e for e in allday if e.decoded("DTSTART") == d]
        for e in on_day:
            check(e.decoded("DTEND") == d + dt.timedelta(days=1), f"{d}: all-day event does not end next day")
        holidays = [str(e["SUMMARY"]) for e in on_day if "-holiday-" in str(e["UID"])]
        special = j["specialDays"]
        check(all(h in special for h in holidays), f"{d}: holidays {holidays} not in '{special}'")
        check((j["holiday"] > 0) == bool(holidays), f"{d}: holiday {j['holiday']} but events {holidays}")
        reco = [e for e in on_day if str(e["UID"]).endswith(f"{d:%Y%m%d}-reco-0@tidewell")]
        names = [r["name"] for r in j["recommendations"]]
        check(len(reco) == (1 if names else 0), f"{d}: {len(reco)} recommendation events for {len(names)} names")
        if reco:
            desc = str(reco[0]["DESCRIPTION"]).split("\n")
            got = [n for line in desc for n in line.split(": ", 1)[1].split(", ")]
            # Names may hold ", " themselves: compare the joined texts.
            check(", ".join(got) == ", ".join(names), f"{d}: recommendations {got} != {names}")
    check(set(timed) == set(want), f"ics {first}: events {sorted(set(timed) ^ set(want))} differ")
    for uid, (when, summary) in want.items():
        if uid in timed:
            got = timed[uid].decoded("DTSTART")
            check(got == when, f"{uid}: DTSTART {got} != {when}")
            check(summary is None or str(timed[uid]["SUMMARY"]) == summary,
                  f"{uid}: SUMMARY {timed[uid]['SUMMARY']} != {summary}")
    return timed


# A full moon at 00:49 MEZ lies on the previous day in UTC.
j = day_json(dt.date(2024, 4, 24))
check(j["record"]["phaseTime"] == "00:49" and j["record"]["waxing"] == 0, "premise: full moon 2024-04-24 00:49")
timed = check_ics("2024-04-20", "2024-04-28")
check(timed.get("20240424-phase") is not None
      and timed["20240424-phase"].decoded("DTSTART") == dt.datetime(2024, 4, 23, 23, 49, tzinfo=dt.timezone.utc),
      "full moon of 2024-04-24 00:49 MEZ is not 2024-04-23 23:49 UTC")

# A node at 00:38 MEZ on New Year's Day 2048 lies in 2047 in UTC.
j = day_json(dt.date(2048, 1, 1))
check(j["record"]["nodeTime"] == "00:38", "premise: node 2048-01-01 00:38")
timed = check_ics("2047-12-26", "2048-01-04")
check(timed.get("20480101-node") is not None
      and timed["20480101-node"].decoded("DTSTART") == dt.datetime(2047, 12, 31, 23, 38, tzinfo=dt.timezone.utc),
      "node of 2048-01-01 00:38 MEZ is not 2047-12-31 23:38 UTC")
check_ics("2024-04-20", "2024-05-05", "--sternbild")

# Re-exporting an overlapping period gives the same events the same UIDs and times.
a = {str(e["UID"]): e.decoded("DTSTART") for e in events(export("ics", "2024-04-01", "2024-04-30"))}
b = {str(e["UID"]): e.decoded("DTSTART") for e in events(export("ics", "2024-04-15", "2024-05-15"))}
common = set(a) & set(b)
check(common == {u for u in a if u[:8] >= "20240415"} and all(a[u] == b[u] for u in common),
      "UIDs or times change between exports")
check(all(u.startswith(("202404", "202405")) for u in b), "UIDs not named after the day")

# --- CSV ------------------------------------------------------------------------------
def check_csv(first, last):
    raw = export("csv", first, last, "--selection", "0")
    check(raw.endswith(b"\r\n") and b"\n" not in raw.replace(b"\r\n", b""), f"csv {first}: line ends not CRLF")
    rows = list(csv.reader(io.StringIO(raw.decode("utf-8"), newline="")))
    header, rows = rows[0], rows[1:]
    check(len(rows) == len(list(days(first, last))), f"csv {first}: {len(rows)} rows")
    col = {name: i for i, name in enumerate(header)}
    for d, row in zip(days(first, last), rows):
        check(len(row) == len(header), f"csv {d}: {len(row)} fields")
        j = day_json(d)
        rec = j["record"]
        check(row[col["Datum"]] == d.isoformat(), f"csv {d}: date {row[0]}")
        for name, field in [("Phase Zeit (MEZ)", "phaseTime"), ("Mondzeichen Zeit (MEZ)", "moonSignTime"),
                            ("Knoten Zeit (MEZ)", "nodeTime"), ("Entfernung Zeit (MEZ)", "distanceTime"),
                            ("Höhe Zeit (MEZ)", "heightTime"), ("Sonnenzeichen Zeit (MEZ)", "sunSignTime"),
                            ("Jahreszeitbeginn Zeit (MEZ)", "seasonTime")]:
            check(row[col[name]] == (rec[field] or ""), f"csv {d}: {name} {row[col[name]]} != {rec[field]}")
        ill = rec["illumination"]
        check(row[col["Beleuchtung (%)"]] == ("" if ill is None else str(ill)), f"csv {d}: illumination")
        check(row[col["Pflanzzeit"]] == ("ja" if not rec["ascending"] and not rec["nodeTime"] else "nein"),
              f"csv {d}: planting time")
        check(["Feuer", "Erde", "Luft", "Wasser"][j["derived"]["moonElement"]] == row[col["Element"]],
              f"csv {d}: element")
        special = ", ".join(x for x in (row[col["Feiertage"]], row[col["Namenstage"]], row[col["Geburtstage"]]) if x)
        check(special.startswith(j["specialDays"].split(", ")[0]) if j["specialDays"] else special == "",
              f"csv {d}: special days '{special}' vs '{j['specialDays']}'")
        for c, label in enumerate(["Pflanzen/Tiere", "Gesundheit", "Allgemein"], start=1):
            names = [r["name"] for r in j["recommendations"] if r["category"] == c]
            check(row[col[label]] == ", ".join(names), f"csv {d}: {label}")


check_csv("2024-04-20", "2024-04-28")
check_csv("2047-12-26", "2048-01-04")

# Quoting: a holiday named with quote, comma, semicolon and backslash survives both formats.
tricky = 'Fest "A", B; C\\D'
data = os.path.join(WORK, "quoting")
shutil.rmtree(data, ignore_errors=True)
shutil.copytree(DATA, data, ignore=shutil.ignore_patterns("help", "*.ttf", "*.bmp"))
with open(os.path.join(data, "TwHd.dat"), "wb") as f:
    f.write(("A F 2412 O R " + tricky + "\r\n").encode("cp1252"))
rows = list(csv.reader(io.StringIO(export("csv", "2024-12-24", "2024-12-24", data=data).decode(), newline="")))
check(rows[1][rows[0].index("Feiertage")] == tricky, f"csv quoting: {rows[1]}")
evs = events(export("ics", "2024-12-24", "2024-12-24", data=data))
check([str(e["SUMMARY"]) for e in evs if "-holiday-" in str(e["UID"])] == [tricky], "ics escaping")

# --- refusals -------------------------------------------------------------------------
for args, message in [
    (["--from", "2024-02-01", "--to", "2024-01-31", "--format", "csv"], "ends before it starts"),
    (["--from", "1949-12-31", "--to", "1950-01-05", "--format", "ics"], "outside the moon data"),
    (["--from", "2049-12-30", "--to", "2050-01-01", "--format", "ics"], "unknown date"),
    (["--from", "2024-01-01", "--to", "2024-01-02", "--format", "xls"], "unknown format"),
    (["--from", "2024-01-01", "--format", "csv"], "needs --from"),
    (["--from", "2024-01-01", "--to", "2024-01-02", "--format", "csv", "--selection", "7"], "not in use"),
]:
    rc, out, err = run("export", *args)
    check(rc == 2 and out == b"" and message in err, f"export {args}: exit {rc}, stderr {err!r}")
out_file = os.path.join(WORK, "refused.csv")
rc, _, _ = run("export", "--from", "2024-02-01", "--to", "2024-01-01", "--format", "csv", "-o", out_file)
check(rc == 2 and not os.path.exists(out_file), "a refused export leaves a file behind")

for f in failures:
    print("FAIL:", f)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
