#!/usr/bin/env python3
"""Checks the program's layering from its #include lines.

Folders are layers, dependencies run one way, from the bottom up:

    core  <-  platform  <-  screenkit  <-  films, customers  <-  rentals  <-  app  <-  tools, bench, tests

A file may include from its own folder or from a folder below it; films and customers never
include each other. The rule units of the work areas (the sources listed in core/CMakeLists.txt
and their headers) belong to the core: they include only the core and other rule units, and
never the toolkit. Any include running the wrong way, and any cycle between folders, is
reported; the exit status is 1 then, 0 when the layering holds.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
RANK = {"core": 0, "platform": 1, "screenkit": 2, "films": 3, "customers": 3, "rentals": 4, "app": 5,
        "tools": 6, "bench": 7, "tests": 7}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.MULTILINE)


def core_units():
    """The area sources built into the core library, and their headers, as repository paths."""
    text = (ROOT / "core" / "CMakeLists.txt").read_text()
    units = set()
    for source in re.findall(r"\.\./(\w+/\w+)\.cpp", text):
        units.add(source + ".cpp")
        units.add(source + ".h")
    return units


def sources():
    for folder in RANK:
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix in (".cpp", ".h") and path.is_file():
                yield path.relative_to(ROOT).as_posix()


def main():
    units = core_units()
    problems = []
    edges = {}
    for name in sources():
        folder = name.split("/")[0]
        in_core = folder == "core" or name in units
        for kind, target in INCLUDE.findall((ROOT / name).read_text(errors="replace")):
            if kind == "<":
                if in_core and re.match(r"Q[A-Z]|Qt", target):
                    problems.append(f"{name}: the core includes the toolkit ({target})")
                continue
            target_folder = target.split("/")[0]
            if target_folder not in RANK or "/" not in target:
                continue  # a header beside the file, or a test's support header
            if target_folder != folder:
                edges.setdefault(folder, set()).add(target_folder)
            if in_core and not (target_folder == "core" or target in units):
                problems.append(f"{name}: a rule unit of the core includes {target}")
            elif RANK[target_folder] > RANK[folder] or (
                    RANK[target_folder] == RANK[folder] and target_folder != folder):
                problems.append(f"{name}: {folder}/ includes {target} from a layer above or beside it")
    # Cycles between folders (a wrong-way include is one already; this names the loop).
    def visit(node, path):
        for following in sorted(edges.get(node, ())):
            if following in path:
                loop = path[path.index(following):] + [following]
                problems.append("cycle between folders: " + " -> ".join(loop))
            elif len(path) < len(RANK):
                visit(following, path + [following])
    for start in sorted(edges):
        visit(start, [start])
    for line in sorted(set(problems)):
        print(line)
    if problems:
        print(f"layering broken: {len(set(problems))} problems", file=sys.stderr)
        return 1
    print("layering holds")
    return 0


if __name__ == "__main__":
    sys.exit(main())
