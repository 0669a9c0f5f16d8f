#!/usr/bin/env python3
"""Compares the compile budget of `varnholm-cli info` with what qbsp reports.

A developer tool, not part of the tests: it needs qbsp (on PATH, in $VH_QBSP,
or ../shared/quake-tools beside the repository) and takes minutes. Terrains
are generated with the CLI (flat and terraced ones are written from a flat
document), exported with the given switches and compiled one at a time.

VH_CLI names another varnholm-cli (say, a copy kept while rebuilding).

  scripts/calibrate-budget.py                  # the calibration table
  scripts/calibrate-budget.py --series 33,65 --tolerances 0,8,16,32,64
"""
import argparse, json, os, re, resource, shutil, struct, subprocess, sys, tempfile, time, math

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def find_qbsp():
    for c in (os.environ.get("VH_QBSP"), shutil.which("qbsp"),
              os.path.join(ROOT, "..", "shared", "quake-tools", "qbsp")):
        if c and os.path.isfile(c) and os.access(c, os.X_OK):
            return c
    sys.exit("qbsp not found: put it on PATH or set VH_QBSP")


def cli(*args):
    exe = os.environ.get("VH_CLI") or os.path.join(ROOT, "build", "bin", "varnholm-cli")
    r = subprocess.run([exe, *args], capture_output=True, text=True)
    if r.returncode != 0:
        sys.exit("varnholm-cli %s failed: %s" % (" ".join(args), r.stderr.strip()))
    return r.stdout


def rewrite_heights(path, height):
    """Replaces every point's height in a document by height(column, row)."""
    b = bytearray(open(path, "rb").read())
    pc, sc, ppr = struct.unpack_from("<fff", b, 5)
    np_, ns, w = int(pc), int(sc), int(ppr)
    off = len(b) - ns * 48 - np_ * 14
    for i in range(np_):
        struct.pack_into("<f", b, off + i * 14 + 4, float(height(i % w, i // w)))
    open(path, "wb").write(bytes(b))


def make_terrain(work, kind, n, seed=1):
    path = os.path.join(work, "%s%d-%d.vhm" % (kind, n, seed))
    if os.path.exists(path):
        return path
    base = ["generate", "--out", path, "--set", "X=%d" % n, "--set", "Y=%d" % n, "--set", "Size=128",
            "--seed", str(seed)]
    if kind.startswith("ds"):  # diamond-square: ds, smoother dss, rougher dsr
        lim = {"ds": "1.3", "dss": "1.2", "dsr": "1.4"}[kind]
        cli(*base, "--set", "Fractal=1", "--set", "DiamondSquare=1", "--set",
            "DiamondSquarePercentLimiter=" + lim)
    else:
        cli(*base)
        if kind == "terrace":  # broad steps of 64 units on two crossing waves
            rewrite_heights(path, lambda c, r: 64 * math.floor(
                (300 * math.sin(c / n * 5 + seed) + 250 * math.cos(r / n * 4 + 2 * seed)) / 64))
    return path


def budget(doc, switches):
    out = cli("info", doc, *switches)
    def num(name):
        m = re.search(r"^\s*%s: (?:about )?([\d,]+)" % name, out, re.M)
        return int(m.group(1).replace(",", "")) if m else None
    planes_bsp = re.search(r"Planes: [\d,]+ distinct, about ([\d,]+)", out)
    return {"brushes": num("Brushes"), "brush_faces": num("Brush faces"),
            "terrain": int(re.search(r"terrain ([\d,]+)", out).group(1).replace(",", "")), "planes": num("Planes"),
            "bsp_planes": int(planes_bsp.group(1).replace(",", "")) if planes_bsp else None,
            "faces": num("Faces"), "marksurfaces": num("Marksurfaces"), "clipnodes": num("Clipnodes"),
            "nodes": num("Nodes"),
            "bsp2": "needs BSP2" in out}


def compile_map(qbsp, mapfile):
    start, cpu = time.time(), resource.getrusage(resource.RUSAGE_CHILDREN)
    r = subprocess.run(["nice", "-n", "10", qbsp, "-nocolor", "-nopercent", "-noprogress", "-leaktest", mapfile],
                       capture_output=True, text=True, errors="replace")
    took = time.time() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    # CPU seconds over all of qbsp's threads: steadier than the wall time on a busy machine.
    cpu = after.ru_utime + after.ru_stime - cpu.ru_utime - cpu.ru_stime
    log = r.stdout + r.stderr
    lumps = dict((name, int(count)) for count, name in
                 re.findall(r"^\s*(\d+) (planes|nodes|faces|clipnodes|leafs|marksurfaces)\s+\d+", log, re.M))
    # What made qbsp leave BSP29, e.g. "dnode_t::children".
    limits = sorted(set(re.findall(r"LIMITS EXCEEDED ON (\S+)", log)))
    unique = re.search(r"([\d,]+) unique planes", log)
    return {"seconds": took, "cpu": cpu, "leak": r.returncode != 0,
            "unfilled": "No entities in empty space" in log,
            "bsp2": "LIMITS EXCEEDED" in log, "limits": limits,
            "unique_planes": int(unique.group(1).replace(",", "")) if unique else 0, **lumps}


def run_case(qbsp, work, label, doc, switches):
    b = budget(doc, switches)
    mapfile = os.path.join(work, "case.map")
    out = cli("export-map", doc, mapfile, *switches)
    q = compile_map(qbsp, mapfile)
    return label, b, q, out


def pct(est, real):
    return "%+.0f%%" % (100.0 * (est - real) / real) if real else "-"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--series", help="sizes for the diamond-square series, e.g. 33,65,129")
    ap.add_argument("--tolerances", default="0,8,16,32,64")
    ap.add_argument("--extra", default="", help="switches added to every series case, e.g. --detail")
    ap.add_argument("--seed", type=int, default=1, help="generator seed of the terrains")
    ap.add_argument("--only", help="run only the cases whose label matches this regular expression")
    ap.add_argument("--json", help="append each case's counts to this file, one JSON object a line")
    ap.add_argument("--work", default=os.path.join(tempfile.gettempdir(), "vh-calibrate"))
    a = ap.parse_args()
    T = lambda kind, n: make_terrain(a.work, kind, n, a.seed)
    qbsp = find_qbsp()
    os.makedirs(a.work, exist_ok=True)

    cases = []
    if a.series:
        for n in map(int, a.series.split(",")):
            for tol in map(float, a.tolerances.split(",")):
                sw = ["--playable", "--hint", "0"] + (["--lean", "--simplify", "%g" % tol] if tol > 0 else [])
                sw += a.extra.split()
                cases.append(("ds %d, %s%s" % (n, "exact" if tol == 0 else "within %g" % tol,
                                               (" " + a.extra) if a.extra else ""),
                              T("ds", n), sw))
    else:
        P, NH = ["--playable"], ["--hint", "0"]
        cases = [
            ("flat 33, playable", T("flat", 33), P),
            ("flat 65, playable, lean", T("flat", 65), P + ["--lean"]),
            ("terrace 65, playable, lean", T("terrace", 65), P + NH + ["--lean"]),
            ("terrace 33, playable", T("terrace", 33), P),
            ("smooth ds 33, playable", T("dss", 33), P),
            ("ds 17, playable", T("ds", 17), P),
            ("ds 33, playable", T("ds", 33), P),
            ("ds 33, playable, no hint", T("ds", 33), P + NH),
            ("ds 33, documented", T("ds", 33), []),
            ("ds 33, documented, no hint", T("ds", 33), NH),
            ("ds 33, caves, playable", T("ds", 33), P + ["--position", "1"]),
            ("ds 33, playable, detail", T("ds", 33), P + NH + ["--detail"]),
            ("rough ds 33, playable, no hint", T("dsr", 33), P + NH),
            ("ds 65, playable, lean, within 16", T("ds", 65),
             P + NH + ["--lean", "--simplify", "16"]),
            ("ds 65, playable, within 64", T("ds", 65), P + NH + ["--simplify", "64"]),
            # Hint brushes split the world into one cell per square, however lean the surface.
            ("flat 129, playable, lean", T("flat", 129), P + ["--lean"]),
            ("flat 129, playable, lean, no hint", T("flat", 129), P + NH + ["--lean"]),
            ("flat 65, playable", T("flat", 65), P),
            ("flat 65, documented", T("flat", 65), []),
            ("terrace 129, playable, lean", T("terrace", 129), P + ["--lean"]),
            ("terrace 129, playable, lean, no hint", T("terrace", 129), P + NH + ["--lean"]),
            ("terrace 65, playable", T("terrace", 65), P),
            ("ds 17, documented", T("ds", 17), []),
            ("smooth ds 65, playable, lean, within 16", T("dss", 65), P + ["--lean", "--simplify", "16"]),
            ("ds 33, playable, lean, within 16", T("ds", 33), P + ["--lean", "--simplify", "16"]),
            ("ds 33, caves, playable, detail", T("ds", 33), P + ["--position", "1", "--detail"]),
            ("ds 33, caves, playable, no hint", T("ds", 33), P + NH + ["--position", "1"]),
            ("ds 33, caves, playable, detail, no hint", T("ds", 33), P + NH + ["--position", "1", "--detail"]),
            ("terrace 33, documented, lean, no hint", T("terrace", 33), NH + ["--lean"]),
            ("flat 97, playable, lean", T("flat", 97), P + ["--lean"]),
            ("smooth ds 65, playable, lean, within 32, no hint", T("dss", 65), P + NH + ["--lean", "--simplify", "32"]),
        ]
    if a.only:
        cases = [c for c in cases if re.search(a.only, c[0])]

    print("| terrain and switches | brushes | planes (qbsp/2) | BSP planes est/qbsp | faces est/qbsp | "
          "clipnodes est/qbsp (err) | marksurfaces est/qbsp | nodes est/qbsp (err) | leafs qbsp | "
          "BSP2 est/qbsp | qbsp s (CPU s) |")
    print("|---|---|---|---|---|---|---|---|---|---|---|")
    for label, doc, sw in cases:
        label, b, q, _ = run_case(qbsp, a.work, label, doc, sw)
        if a.json:
            with open(a.json, "a") as out:
                out.write(json.dumps({"label": label, "doc": doc, "switches": sw, "budget": b, "qbsp": q}) + "\n")
        bsp2 = "yes" if q["bsp2"] else "no"
        if q["limits"]:
            bsp2 += " (" + ", ".join(q["limits"]) + ")"
        print("| %s | %s | %s (%s) | %s / %s | %s / %s | %s / %s (%s) | %s / %s | %s / %s (%s) | %s | %s / %s | "
              "%.1f (%.1f)%s |" % (
            label, b["brushes"], b["planes"], q["unique_planes"] // 2, b["bsp_planes"], q.get("planes"),
            b["faces"], q.get("faces"), b["clipnodes"], q.get("clipnodes"),
            pct(b["clipnodes"] or 0, q.get("clipnodes", 0)), b["marksurfaces"], q.get("marksurfaces"),
            b["nodes"], q.get("nodes"), pct(b["nodes"] or 0, q.get("nodes", 0)), q.get("leafs"),
            "yes" if b["bsp2"] else "no", bsp2, q["seconds"], q["cpu"],
            " LEAK" if q["leak"] else (" unfilled" if q["unfilled"] else "")), flush=True)


if __name__ == "__main__":
    main()
