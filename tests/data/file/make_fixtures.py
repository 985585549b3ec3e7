#!/usr/bin/env python3
"""Writes the golden competition files of the file tests into this folder.

The input files are laid out by hand here the way earlier versions of the program wrote
them (CR LF line ends where the files came from Windows). The expected files are what
opening each input into a cleared competition and saving it again must give, derived here
independently of the program: records in key order, report cells defaulted by the current
reader, cells padded by the old-structure reader. Expected files use LF; the tests turn
LF into the line end of the platform they run on.

Run it from anywhere: python3 make_fixtures.py
"""

import pathlib
import re

HERE = pathlib.Path(__file__).resolve().parent

# (dashes, name, record line, end line) in file order.
SECTIONS = [
    (55, " Competitor Names", "Next Comp:", "End Comp"),
    (58, "Class Definitions", "Next Class:", "End Class"),
    (58, " Field Defs.", "Next Field:", "End Field"),
    (58, " Scores", "Next Score:", "End Score"),
    (58, " Reports", "Next Report:", "End Reports"),
    (58, " RepFields", "Next RepField:", "End RepField"),
    (58, " Team Names", "Next Team:", "End Team"),
    (58, " Rounds", "Next Round:", "End Round"),
    (57, " Horses", "Next Horse:", "End Horse"),
    (58, " Forges", "Next Forge:", "End Forge"),
    (58, " ScheduleList", "Next Schedule:", "End ScheduleList"),
    (58, " Label List", "Next Label:", "End Label"),
    (58, " Batch List", "Next Batch:", "End Batch"),
    (58, " Unused List", "Next Unused:", "End Unused"),
]
COMPETITOR, REPORT, TEAM = 0, 4, 6

# The captions the program gives its lists at start-up.
TITLES = [
    ["Competitors", "", ""], ["Classs", "", ""], ["Field Titles", "", ""], ["Scores", "", "All Classes"],
    ["Reports", "", ""], ["Report Field Names", "", ""], ["Teams", "", ""], ["Rounds", "", ""],
    ["Horses", "", ""], ["Forges", "", ""], ["Schedule List", "", ""], ["Labels", "", ""], ["", "", ""],
    ["", "", ""],
]

# Records of each section, in the order they stand in the input files.
RECORDS = [
    [["502", "Dan", "Hughes", "Valley Forge", "", "12 Mill Lane", "Llanfair", "", "", "", "01234 567890", "", "0"],
     ["501", "Ann", "Smith", "Valley Forge", "Tom Jones", "3 The Green", "Kelso", "", "", "", "", "07700 900123",
      "601"]],
    [["1", "Open Shoeing", "4", "2", "3", "2", "Y", "55", "10", "Y", "Open", "Ring 1", "", "2", "N", "5", "09:00",
      "14/06/2024", "Y", "Y", ""]],
    [["1", "4", "Foot prep", "Shoe make", "Fit", "Finish"]],
    [["502", "1", "dnf", "6.0", "7.0", "5.5"], ["501", "1", "7.5", "8.0", "6.5", "9.0"]],
    # Cells 11 to 14, 18 to 20, 22 and 23 empty, as files of earlier versions have them.
    [["1", "Open Individual", "Open Shoeing Results", "", "Sponsored by Anvil Co", "D", "I", "Open", "P", "Results",
      "", "", "", "", "", "N", "Y", "Y", "", "", "", "P"]],
    [["1", "1", "Y", "Y", "Y", "Y"]],
    [["Valley Forge", "1", "0"]],
    [["1", "1", "09:00", "10:00", "", "", "", "", "14/06/2024"]],
    [["1", "1", "Bess", "1", "Y", "Y", "N", "N", "A"]],
    [["1", "1", "Fire One"]],
    [["501", "1", "1", "1", "Tom Jones", "Y", "09:00", "09:55", "1 LF"],
     ["502", "1", "1", "2", "", "Y", "09:00", "09:55", "1 RF"]],
    [["1", "L7160", "7", "3", "1", "N", "Name"]],
    [["1", "Evening batch", "1"]],
    [],
]


def section_line(i):
    dashes, name, _, _ = SECTIONS[i]
    return "<" + "-" * dashes + name


def padded(cells, count, filler=""):
    return (cells + [filler] * count)[:count]


def write(path, lines, line_end):
    path.write_bytes("".join(line + line_end for line in lines).encode("cp1252"))


# --- input files ---------------------------------------------------------------------


def current_structure(header, sections, heading=section_line):
    """A file of the current structure: 26 cell lines per record."""
    lines = list(header)
    for i in range(sections):
        lines.append(heading(i))
        lines += TITLES[i]
        for record in RECORDS[i]:
            lines.append(SECTIONS[i][2])
            lines += padded(record, 26)
        lines.append(SECTIONS[i][3])
    return lines + ["End of File"]


OLD_REPORT_TEXTS = ["End Reports", "Free text kept by the old program " + "x" * 160]


def old_structure(header):
    """The old structure: 25 cell lines, 3 for teams, two free-text lines after reports."""
    lines = list(header)
    for i in range(12):
        lines.append(section_line(i))
        lines += TITLES[i]
        for record in RECORDS[i]:
            lines.append(SECTIONS[i][2])
            lines += padded(record, 3 if i == TEAM else 25)
            if i == REPORT:
                lines += OLD_REPORT_TEXTS
        lines.append(SECTIONS[i][3])
    return lines + ["End of File"]


# --- what a load followed by a save gives ------------------------------------------


def read_int(text):
    match = re.match(r"\s*([+-]?\d+)", text)
    return int(match.group(1)) if match else 0


def in_key_order(records):
    """Records as the lists hold them: each inserted before the first greater key."""
    ordered = []
    for record in records:
        key = record[0]
        number = read_int(key)
        at = len(ordered)
        for j, other in enumerate(ordered):
            greater = read_int(other[0]) > number if number != 0 else other[0].encode("cp1252") > key.encode("cp1252")
            if greater:
                at = j
                break
        ordered.insert(at, record)
    return ordered


REPORT_DEFAULTS = {11: "Arial Narrow", 12: "10", 13: "Black", 14: "Yellow Light", 18: "Italic OFF", 19: "Bold",
                   22: "Arial Narrow", 23: "20"}


def corrected_report(record):
    record = list(record)
    for cell, value in REPORT_DEFAULTS.items():
        if record[cell] == "":
            record[cell] = value
    if len(record[20]) < 40:
        record[20] = "N" * 41
    return record


def loaded_by_current_reader(sections):
    lists = []
    for i in range(len(RECORDS)):
        records = [padded(r, 26) for r in RECORDS[i]] if i < sections else []
        if i == REPORT:
            records = [corrected_report(r) for r in records]
        lists.append(in_key_order(records))
    return lists


def loaded_by_old_reader():
    lists = []
    for i in range(len(RECORDS)):
        records = []
        if i < 12:
            kept = 3 if i == TEAM else 25
            records = [padded(r, kept) + ["."] * (26 - kept) for r in RECORDS[i]]
        lists.append(in_key_order(records))
    return lists


# The captions of a list that no file has set.
UNSET_TITLES = ["Title1", "Title2", "Title3"]


def saved(header, sections, lists, read_sections):
    """The file a save gives after a load that read the first `read_sections` sections."""
    lines = list(header)
    for i in range(sections):
        lines.append(section_line(i))
        lines += TITLES[i] if i < read_sections else UNSET_TITLES
        for record in lists[i]:
            lines.append(SECTIONS[i][2])
            lines += record
        lines.append(SECTIONS[i][3])
    return lines + ["End of File"]


RESERVED = [str(n) for n in range(6, 13)]
# Web settings of a competition whose file did not carry them.
UNTOUCHED_WEB = ["Arial", "20", "Blue", "Yellow Light"]


def main():
    header_v0 = ["0", "1", "0", "500", "%6.1f", "Arial", "8", "7", "3", "1"]
    # The earliest files had shorter section lines; readers go by position only.
    write(HERE / "v0.FCR", current_structure(header_v0, 12, lambda i: "<" + "-" * 10 + SECTIONS[i][1]), "\r\n")

    header_v1 = ["1", "1", "1", "500", "%6.2f", "Arial", "9", "7", "3", "2"]
    write(HERE / "v1.FCR", current_structure(header_v1, 12), "\r\n")
    write(HERE / "v1.expected.FCR", saved(header_v1, 12, loaded_by_current_reader(12), 12), "\n")
    # Saved with the new structure: the title was cleared when the file was opened.
    upgraded = ["2"] + header_v1[1:] + [""] + UNTOUCHED_WEB + RESERVED
    write(HERE / "v1-upgraded.expected.FCR", saved(upgraded, 14, loaded_by_current_reader(12), 12), "\n")

    header_v2 = ["2", "1", "0", "500", "%6.1f", "Arial", "8", "7", "3", "1", "Spring Show"] + [
        str(n) for n in range(2, 13)]
    write(HERE / "v2-placeholders.FCR", current_structure(header_v2, 14), "\n")
    defaults = header_v2[:11] + ["Arial Narrow", "20", "Black", "Yellow Light"] + RESERVED
    write(HERE / "v2-placeholders.expected.FCR", saved(defaults, 14, loaded_by_current_reader(14), 14), "\n")

    header_old = ["1", "1", "1", "400", "%5.1f", "Arial", "10", "8", "2", "1"]
    write(HERE / "old25.FCR", old_structure(header_old), "\r\n")
    as_current = ["2"] + header_old[1:] + [""] + UNTOUCHED_WEB + RESERVED
    write(HERE / "old25.expected.FCR", saved(as_current, 14, loaded_by_old_reader(), 12), "\n")

    # A save cut short: the file ends inside the first report record.
    complete = current_structure(header_v2, 14)
    cut = complete.index("Next Report:") + 6
    write(HERE / "damaged.FCR", complete[:cut], "\n")


if __name__ == "__main__":
    main()
