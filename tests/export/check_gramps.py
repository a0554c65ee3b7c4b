"""Checks what Gramps made of an exported GEDCOM file against the family file itself.

    python3 check_gramps.py TABLES.json EXPORT.gramps IMPORT.log

TABLES.json: the family file's tables as tests/reader/read-mdb.mjs prints them (a reader
independent of Kinmora). EXPORT.gramps: Gramps' own XML export after importing the GEDCOM
file. IMPORT.log: what Gramps printed while importing. Prints one line per difference and
exits 1 when there is any, else prints a summary and exits 0.
"""
import gzip
import json
import sys
import xml.etree.ElementTree as ET

NS = {"g": "http://gramps-project.org/xml/1.7.1/"}


def table_rows(tables, name):
    table = next(t for n, t in tables.items() if n.lower() == name)
    names = [c["name"].lower() for c in table["columns"]]
    types = [c["type"] for c in table["columns"]]
    return [dict(zip(names, row)) for row in table["rows"]], names, types


def date_of(text):
    """'1880-03-12 10:00:00' -> (1880, 3, 12); '' -> None."""
    if not text:
        return None
    y, m, d = text[:10].split("-")
    return (int(y), int(m), int(d))


def gramps_date(event):
    val = event.find("g:dateval", NS)
    if val is None:
        return None
    y, m, d = val.get("val").split("-")
    return (int(y), int(m), int(d))


def expected_family(tables):
    """The persons by code, the families by their two partners, and each partner's families."""
    persons, _, _ = table_rows(tables, "family")
    married, columns, types = table_rows(tables, "married")
    codes = [int(p["code"]) for p in persons]
    if len(set(codes)) != len(codes) or min(codes) <= 0:
        raise SystemExit("this check needs codes that are positive and unique")
    by_code = {int(p["code"]): p for p in persons}

    def who(code):
        code = int(code or 0)
        return code if code in by_code else None

    third = columns[2]
    def third_key(row):
        v = row[third]
        if types[2] in ("integer", "long", "byte", "double", "float") and v != "":
            return (v == "", float(v))
        return (v == "", v)

    families = {}  # unordered pair -> {"father", "mother", "children"}
    order = []
    for row in sorted(married, key=third_key):
        h, w = who(row["fathercode"]), who(row["mothercode"])
        key = frozenset([h, w])
        if (h or w) and key not in families:
            families[key] = {"father": h, "mother": w, "children": []}
            order.append(key)
    for p in persons:
        f, m = who(p["fathercode"]), who(p["mothercode"])
        if not (f or m):
            continue
        key = frozenset([f, m])
        if key not in families:
            families[key] = {"father": f, "mother": m, "children": []}
            order.append(key)
        families[key]["children"].append(int(p["code"]))
    for family in families.values():
        family["children"].sort(key=lambda c: (date_of(by_code[c]["born"]) is not None,
                                               date_of(by_code[c]["born"]) or (0, 0, 0), c))
    # Each partner's families in the order of that person's marriages.
    partner_in = {}
    for key in order:
        for partner in {families[key]["father"], families[key]["mother"]} - {None}:
            partner_in.setdefault(partner, []).append(key)
    return by_code, families, partner_in


def main(tables_path, gramps_path, log_path):
    problems = []
    with open(log_path, encoding="utf-8", errors="replace") as f:
        log = f.read()
    if "GEDCOM import report: No errors detected" not in log:
        problems.append("Gramps' import report does not say 'No errors detected'")
    with open(tables_path, encoding="utf-8") as f:
        tables = json.load(f)
    by_code, families, partner_in = expected_family(tables)
    root = ET.fromstring(gzip.open(gramps_path).read())

    events = {e.get("handle"): e for e in root.iterfind("g:events/g:event", NS)}
    notes = {n.get("handle"): n.findtext("g:text", "", NS) for n in root.iterfind("g:notes/g:note", NS)}
    people = {p.get("handle"): p for p in root.iterfind("g:people/g:person", NS)}
    code_of = {h: int(p.get("id").lstrip("I")) for h, p in people.items()}
    gfamilies = {f.get("handle"): f for f in root.iterfind("g:families/g:family", NS)}

    def member(family, role):
        ref = family.find(f"g:{role}", NS)
        return None if ref is None else code_of[ref.get("hlink")]

    if len(people) != len(by_code):
        problems.append(f"{len(people)} people in Gramps, {len(by_code)} in the file")
    if len(gfamilies) != len(families):
        problems.append(f"{len(gfamilies)} families in Gramps, {len(families)} expected")

    for handle, person in people.items():
        code = code_of[handle]
        row = by_code.get(code)
        where = f"person {code}"
        if row is None:
            problems.append(f"{where}: not in the file")
            continue
        name = person.find("g:name", NS)
        first, surname = name.findtext("g:first", "", NS), name.findtext("g:surname", "", NS)
        if (first, surname) != (row["name"], row["surname"]):
            problems.append(f"{where}: name {first!r} {surname!r}, expected {row['name']!r} {row['surname']!r}")
        sex = "M" if row["sex"] == "1" else "F"
        if person.findtext("g:gender", "", NS) != sex:
            problems.append(f"{where}: gender {person.findtext('g:gender', '', NS)}, expected {sex}")
        got = {}
        for ref in person.iterfind("g:eventref", NS):
            event = events[ref.get("hlink")]
            got.setdefault(event.findtext("g:type", "", NS), []).append(gramps_date(event))
        want = {}
        if row["born"]:
            want["Birth"] = [date_of(row["born"])]
        if row["die"]:
            want["Death"] = [date_of(row["die"])]
        elif row["still"] == "1":
            want["Death"] = [None]
        if got != want:
            problems.append(f"{where}: events {got}, expected {want}")
        text = "\n".join(notes[r.get("hlink")] for r in person.iterfind("g:noteref", NS))
        biography = row["biography"].replace("\r\n", "\n").replace("\r", "\n")
        if text != biography:
            problems.append(f"{where}: note {text[:60]!r}..., expected {biography[:60]!r}...")
        childof = [gfamilies[r.get("hlink")] for r in person.iterfind("g:childof", NS)]
        parents = [(member(f, "father"), member(f, "mother")) for f in childof]
        father = int(row["fathercode"] or 0)
        mother = int(row["mothercode"] or 0)
        want_parents = [(father if father in by_code else None, mother if mother in by_code else None)]
        if want_parents == [(None, None)]:
            want_parents = []
        if parents != want_parents:
            problems.append(f"{where}: parents {parents}, expected {want_parents}")
        spouses_in = [frozenset([member(gfamilies[r.get("hlink")], "father"),
                                 member(gfamilies[r.get("hlink")], "mother")])
                      for r in person.iterfind("g:parentin", NS)]
        if spouses_in != partner_in.get(code, []):
            problems.append(f"{where}: partner in {spouses_in}, expected {partner_in.get(code, [])}")

    seen = set()
    for family in gfamilies.values():
        father, mother = member(family, "father"), member(family, "mother")
        key = frozenset([father, mother])
        children = [code_of[r.get("hlink")] for r in family.iterfind("g:childref", NS)]
        want = families.get(key)
        where = f"family {family.get('id')} ({father}, {mother})"
        if want is None or key in seen:
            problems.append(f"{where}: not a couple of the file, or twice")
            continue
        seen.add(key)
        if (father, mother) != (want["father"], want["mother"]):
            problems.append(f"{where}: expected ({want['father']}, {want['mother']})")
        if children != want["children"]:
            problems.append(f"{where}: children {children}, expected {want['children']}")

    for problem in problems[:50]:
        print(problem)
    if problems:
        print(f"{len(problems)} differences")
        return 1
    print(f"Gramps holds {len(people)} people and {len(gfamilies)} families as the file does; "
          "its import report: No errors detected")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
