#!/usr/bin/env python3
"""Reads a program's record file with Python's csv module, as a spreadsheet
would, and checks that the records saved by the end-to-end driver are one
row each, with the whole report in the last cell.

usage: check_record_csv.py RECORD.csv SAVES

Beside RECORD.csv the driver left RECORD.csv.old (the bytes the file held
before, kept byte for byte), .header and .row (the expected cells, each
ended by a NUL; the row without its time)."""
import csv
import io
import re
import sys


def cells(path):
    return open(path, "rb").read().decode("utf-8").split("\0")[:-1]


def main():
    record, saves = sys.argv[1], int(sys.argv[2])
    data = open(record, "rb").read()
    old = open(record + ".old", "rb").read()
    header, row = cells(record + ".header"), cells(record + ".row")
    failures = []
    if not data.startswith(old):
        failures.append("the old records were not kept byte for byte")
    text = data[len(old):].decode("utf-8")
    expected_header = []
    if not old:
        if not text.startswith("\ufeff"):
            failures.append("a new file starts with the byte-order mark")
        text = text.lstrip("\ufeff")
        expected_header = [header]
    rows = list(csv.reader(io.StringIO(text, newline="")))
    if len(rows) != len(expected_header) + saves:
        failures.append(f"{len(rows)} rows for {saves} saves" + (" and a header" if expected_header else ""))
    elif expected_header and rows[0] != header:
        failures.append(f"header {rows[0]} is not {header}")
    for saved in rows[len(expected_header):]:
        if not re.fullmatch(r"\d{4}-\d\d-\d\d \d\d:\d\d:\d\d", saved[0]):
            failures.append(f"first cell {saved[0]!r} is not the time of saving")
        if saved[1:] != row:
            failures.append(f"a row holds {saved[1:-1]} and a report of {len(saved[-1])} units, "
                            f"not {row[:-1]} and {len(row[-1])} units")
    what = f"{record.rsplit('/', 1)[-1]}{' after an old record' if old else ''}"
    for failure in failures:
        print(f"FAIL {what}: {failure}")
    if not failures:
        print(f"PASS {what}: a CSV reader finds {'the header and ' if not old else ''}"
              f"{saves} rows, each with its inputs and the whole report ({len(row[-1])} units)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
