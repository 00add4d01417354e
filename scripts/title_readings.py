#!/usr/bin/env python3
"""The readings of the tools' titles, from Unihan (Debian's unicode-data).

Each Chinese character of a title must have a reading in Unihan whose first
letter is the tool's initial at its place; where the character has several
readings, the one the initial chooses is the title's (校 of 校正 is jiao, 泊
of 丙泊酚 bo) and is listed. The home orders titles by these readings.

  title_readings.py --write HEADER TITLES.tsv   writes the reading table
  title_readings.py --check HEADER TITLES.tsv   fails where a title's initial
      has no such reading, or the table differs from what Unihan gives

TITLES.tsv is `suite_manifest --titles`: id, title, initials per line.
"""
import bz2
import sys
import unicodedata

UNIHAN = "/usr/share/unicode/Unihan_Readings.txt.bz2"
FIELDS = ("kMandarin", "kTGHZ2013", "kXHC1983", "kHanyuPinyin")


def load_readings():
    fields = {}
    with bz2.open(UNIHAN, "rt", encoding="utf-8") as data:
        for line in data:
            if line.startswith("#") or not line.strip():
                continue
            code, field, value = line.rstrip("\n").split("\t")
            if field in FIELDS:
                fields.setdefault(chr(int(code[2:], 16)), {})[field] = value
    return fields


def toneless(syllable):
    decomposed = unicodedata.normalize("NFD", syllable)
    kept = "".join(c for c in decomposed if not unicodedata.combining(c) or c == "\u0308")
    return kept.replace("u\u0308", "v").replace("ü", "v")


def readings_of(character, fields):
    """Toneless readings, the standard Mandarin one first."""
    found = []
    for field in FIELDS:
        for part in fields.get(character, {}).get(field, "").split():
            part = part.split(":")[-1]
            for reading in part.split(","):
                reading = toneless(reading)
                if reading and reading not in found:
                    found.append(reading)
    return found


def is_chinese(character):
    return "\u4e00" <= character <= "\u9fff" or "\u3400" <= character <= "\u4dbf"


def derive(titles, fields):
    """The reading of each character, the polyphones chosen, and faults."""
    table, chosen, faults = {}, [], []
    for line in titles:
        number, title, initials = line.rstrip("\n").split("\t")
        letters = initials.replace(" ", "")
        at = 0
        for character in title:
            if not (is_chinese(character) or (character.isascii() and character.isalpha())):
                continue
            if at >= len(letters):
                faults.append(f"tool {number} {title}: fewer initials than characters")
                break
            letter = letters[at]
            at += 1
            if not is_chinese(character):
                if character.lower() != letter:
                    faults.append(f"tool {number} {title}: {character} has the initial {letter}")
                continue
            readings = readings_of(character, fields)
            matching = [r for r in readings if r[0] == letter]
            if not matching:
                faults.append(f"tool {number} {title}: {character} is read {'/'.join(readings)}, "
                              f"none begins with {letter}")
                continue
            reading = matching[0]
            if reading != readings[0]:
                chosen.append(f"{character} of {title}: {reading}, not {readings[0]}")
            if table.get(character, reading) != reading:
                faults.append(f"{character} is read {table[character]} in one title and "
                              f"{reading} in another")
            table[character] = reading
    return table, chosen, faults


def header(table, chosen):
    lines = [
        "// The reading of each Chinese character of the tools' titles, in",
        "// toneless pinyin (ü as v), by which the home orders titles. Written by",
        "// scripts/title_readings.py from Unihan's readings and the tools' initials,",
        "// which choose among a polyphone's readings:",
    ]
    lines += [f"//   {line}" for line in chosen]
    lines += [
        "#pragma once",
        "",
        "namespace kelomed {",
        "",
        "struct TitleReading {",
        "    char16_t character;",
        "    const char* syllable;",
        "};",
        "",
        "// Ordered by character; one a line, as the script writes them.",
        "// clang-format off",
        "inline constexpr TitleReading kTitleReadings[] = {",
    ]
    lines += [f"    {{u'{c}', \"{table[c]}\"}}," for c in sorted(table)]
    lines += ["};", "// clang-format on", "", "}  // namespace kelomed", ""]
    return "\n".join(lines)


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("--write", "--check"):
        sys.exit(__doc__)
    mode, path, titles_path = sys.argv[1:]
    with open(titles_path, encoding="utf-8") as titles:
        table, chosen, faults = derive(titles, load_readings())
    for fault in faults:
        print(f"FAIL {fault}")
    if faults:
        sys.exit(1)
    text = header(table, chosen)
    if mode == "--write":
        with open(path, "w", encoding="utf-8") as out:
            out.write(text)
        return
    with open(path, encoding="utf-8") as checked_in:
        if checked_in.read() != text:
            sys.exit(f"FAIL {path} differs from Unihan's readings: "
                     f"scripts/title_readings.py --write {path} TITLES.tsv writes it")
    print(f"every initial of {len(table)} characters is one of its Unihan readings; "
          f"{len(chosen)} polyphones read as their titles choose")


if __name__ == "__main__":
    main()
