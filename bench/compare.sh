#!/usr/bin/env bash
# The store-scale measures, each beside its floor in the same run: program and floor run as
# whole processes one after the other, ROUNDS times, and the medians compared. The searches are
# the real screens (offscreen) from Trova to the list drawn, the first after start-up and the
# tenth apart; memory is each process's peak.
#   bench/compare.sh [BUILD_DIR] [ROUNDS] [ONLY]
# ONLY, a regular expression, keeps the measures whose names it finds ("returns|in-noleggio").
# The store (2 GB: 100,000 customers, 100,000 slips, 20,000 films with posters, a million
# customers beside it, and twice two year files of a million film rows for the returns desk) is
# written once into $FILMERIA_BENCH_FOLDER (default /var/tmp/filmeria-bench).
set -euo pipefail
build=$(realpath "${1:-build}")
rounds=${2:-3}
export FILMERIA_BENCH_FOLDER=${FILMERIA_BENCH_FOLDER:-/var/tmp/filmeria-bench}
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
"$build/bench/make_store" > /dev/null
store=${FILMERIA_BENCH_FOLDER%/}
cat "$store"/*.* "$store"/milione/* "$store"/rientri*/* > /dev/null # every side starts from the file cache
exec python3 - "$build" "$store" "$rounds" "${3:-}" <<'PY'
import json, os, re, resource, shutil, statistics, subprocess, sys, tempfile, time

build, store, rounds, only = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
work = tempfile.mkdtemp()

def want(name):
    return not only or re.search(only, name)

def run(argv, cwd=None):
    """Runs a whole process: wall seconds, peak resident MiB (GNU time's, of the program
    itself), standard output."""
    peak = work + "/peak"
    start = time.perf_counter()
    p = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", peak] + argv, stdout=subprocess.PIPE,
                       stderr=subprocess.DEVNULL, cwd=cwd)
    seconds = time.perf_counter() - start
    if p.returncode != 0:
        sys.exit(f"failed: {' '.join(argv)}")
    with open(peak) as f:
        return seconds, int(f.read().split()[-1]) / 1024, p.stdout.decode()

def searches(out):
    return [dict(ms=float(m[1]), list=float(m[2]), peak=float(m[3])) for m in
            re.finditer(r"search \d+: ([\d.]+) ms, listed \d+, list ([\d.]+) MiB, peak ([\d.]+) MiB", out)]

rows = []
def row(name, program, floor, note=""):
    rows.append((name, floor, program, program / floor, note))

med = statistics.median

# Every customer at a million, and every slip at 100,000: the real screens, and their floors.
for kind, folder, floor_argv, count in [
        ("every customer, 1M", store + "/milione", ["scan-sort", store + "/milione/Clienti.pro"], 10),
        ("every slip, 100k, painted", store, ["scan", store + "/2009.nol", "1368"], 10)]:
    if not want(kind):
        continue
    firsts, tenths, floors, peaks1, peaks10, lists = [], [], [], [], [], []
    for _ in range(rounds):
        s = searches(run([build + "/bench/search_probe", "customers" if "customer" in kind else "slips",
                          folder, str(count)])[2])
        firsts.append(s[0]["ms"]); tenths.append(s[-1]["ms"])
        peaks1.append(s[0]["peak"]); peaks10.append(s[-1]["peak"]); lists.append(s[0]["list"])
        floors.append(run([build + "/bench/floor_probe"] + floor_argv)[0] * 1000)
    f = med(floors)
    row(kind + ": first search", med(firsts), f,
        f"peak {med(peaks1):.0f} MiB = {med(peaks1) / med(lists):.2f} x the list's {med(lists):.0f} MiB")
    row(kind + ": tenth search", med(tenths), f, f"peak {med(peaks10):.0f} MiB")

# The returns desk: two year files of 100,000 slips, a million film rows, about 2,500 films out
# (a busy store) and about 250,000 (the list at its largest); the floor reads both files.
def year_files(folder):
    return [folder + "/2008.nol", folder + "/2009.nol"]
for label, folder in [("2.5k out", store + "/rientri"), ("250k out", store + "/rientri-tutti")]:
    if not want(f"returns desk, 1M rows, {label}"):
        continue
    firsts, tenths, floors, peaks1, lists = [], [], [], [], []
    for _ in range(rounds):
        s = searches(run([build + "/bench/search_probe", "returns", folder, "10"])[2])
        firsts.append(s[0]["ms"]); tenths.append(s[-1]["ms"]); peaks1.append(s[0]["peak"])
        lists.append(s[0]["list"])
        floors.append(run([build + "/bench/floor_probe", "scan"] + year_files(folder) + ["1368"])[0] * 1000)
    f = med(floors)
    row(f"returns desk, 1M rows, {label}: first opening", med(firsts), f,
        f"peak {med(peaks1):.0f} MiB; the list's {med(lists):.1f} MiB")
    row(f"returns desk, 1M rows, {label}: tenth opening", med(tenths), f)

# The companion's check, films out, backup and spreadsheet export as whole processes.
def pair(name, program_argv, floor_argv, before=None, unit=1000, memory=None):
    if not want(name):
        return
    p, fl, pm, fm = [], [], [], []
    for _ in range(rounds):
        if before: before()
        t, m, _ = run(program_argv); p.append(t * unit); pm.append(m)
        if before: before()
        t, m, _ = run(floor_argv); fl.append(t * unit); fm.append(m)
    row(name, med(p), med(fl), f"peak {med(pm):.0f} MiB (floor {med(fm):.0f} MiB)" +
        (memory(med(pm)) if memory else ""))

for label, folder in [("2.5k out", store + "/rientri"), ("250k out", store + "/rientri-tutti")]:
    pair(f"in-noleggio, 1M rows, {label} (to a file)",
         ["sh", "-c", f"exec '{build}/filmeria-archivi' in-noleggio '{folder}' --al 10/12/2009 > '{work}/out.txt'"],
         [build + "/bench/floor_probe", "scan"] + year_files(folder) + ["1368"])
# The statistics of a year of 100,000 slips: the companion beside a block scan of the year file,
# then the screen, from Aggiorna to its charts drawn (the year and the year before read), beside
# the companion.
pair("statistiche, 100k slips (companion, to a file)",
     ["sh", "-c", f"exec '{build}/filmeria-archivi' statistiche '{store}' 2009 > '{work}/out.txt'"],
     [build + "/bench/floor_probe", "scan", store + "/2009.nol", "1368"])
if want("statistics screen"):
    firsts, tenths, companions, peaks = [], [], [], []
    for _ in range(rounds):
        s = searches(run([build + "/bench/search_probe", "statistics", store, "10"])[2])
        firsts.append(s[0]["ms"]); tenths.append(s[-1]["ms"]); peaks.append(s[0]["peak"])
        companions.append(run(["sh", "-c", f"exec '{build}/filmeria-archivi' statistiche '{store}' 2009 > '{work}/out.txt'"])[0] * 1000)
    c = med(companions)
    row("statistics screen, 100k slips: Aggiorna to charts drawn (floor: the companion)", med(firsts), c,
        f"process peak {med(peaks):.0f} MiB")
    row("statistics screen, 100k slips: tenth Aggiorna (floor: the companion)", med(tenths), c)
pair("check Clienti.pro, 100k", [build + "/filmeria-archivi", "check", store + "/Clienti.pro"],
     [build + "/bench/floor_probe", "scan", store + "/Clienti.pro", "1642"])

data = work + "/dati"
os.mkdir(data)
for name in ["Film.db", "Clienti.pro", "2009.nol"]:
    os.link(store + "/" + name, data + "/" + name)
def clean():
    for name in ["copia.zip", "minimo.zip", "c.xlsx", "f.xlsx", "p.xlsx"]:
        if os.path.exists(work + "/" + name): os.remove(work + "/" + name)
pair("backup of the store", [build + "/filmeria-archivi", "backup", data, work + "/copia.zip"],
     ["sh", "-c", f"cd '{data}' && zip -q -r -1 -n .db '{work}/minimo.zip' ."], clean)
# The export's own memory: its peak less the same process's on a store of ten customers, against
# the text of the grid it writes.
small = work + "/piccolo"
os.mkdir(small)
subprocess.run([build + "/generate-archives", small, "--customers", "10", "--slips", "1", "--films", "1"],
               stdout=subprocess.DEVNULL, check=True)
export = "spreadsheet export, 100k customers"
if want(export):
    rest = run([build + "/filmeria-archivi", "export", small + "/Clienti.pro", "--xlsx", work + "/p.xlsx"])[1]
    grid = float(re.search(r"text ([\d.]+) MiB", run([build + "/bench/search_probe", "grid", store])[2])[1])
pair(export,
     [build + "/filmeria-archivi", "export", store + "/Clienti.pro", "--xlsx", work + "/c.xlsx"],
     [build + "/bench/floor_probe", "xlsx", store + "/Clienti.pro", work + "/f.xlsx"], clean,
     memory=lambda peak: f"; {peak - rest:.0f} MiB over the process at rest ({rest:.0f} MiB) = "
                         f"{(peak - rest) / grid:.2f} x the grid's text ({grid:.1f} MiB)")

# The film search and the list printout: program and floor in one process, which runs them in turn.
def gbench(binary, pattern, program, floor, name):
    if not want(name):
        return
    p, f = [], []
    for _ in range(rounds):
        out = run([build + "/bench/" + binary, "--benchmark_filter=" + pattern, "--benchmark_format=json"])[2]
        times = {b["name"]: b["real_time"] for b in json.loads(out)["benchmarks"]}
        p.append(times[program]); f.append(times[floor])
    row(name, med(p), med(f))
gbench("screen_search_bench", "FilmSearch(EmptyKey|Floor)$", "BM_FilmSearchEmptyKey", "BM_FilmSearchFloor",
       "film search, every film (in one process)")
gbench("print_bench", "/100000", "BM_ListPrintoutToPdf/100000/iterations:1",
       "BM_ListPrintoutFloor/100000/iterations:1", "list printout, 100k lines, 2,858 pages (s)")

shutil.rmtree(work)
print(f"{'measure':48} {'floor':>10} {'program':>10} {'ratio':>7}")
for name, floor, program, ratio, note in rows:
    print(f"{name:48} {floor:10.1f} {program:10.1f} {ratio:6.2f}x  {note}")
print(f"(medians of {rounds} rounds; times in ms unless marked)")
PY
