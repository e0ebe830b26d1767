#!/usr/bin/env python3
"""Writes the seed files of the netcdf fuzz target into fuzz/corpus/netcdf (needs ncgen,
from Debian's netcdf-bin): a 12-node mesh with open and land boundaries in the classic form
(flat boundary lists) and the classic form (two-dimensional lists, start_index 0), without
boundaries in the 64-bit data form and deflated netCDF-4, and harmonic results with the mesh
(64-bit offset) and alone (netCDF-4)."""
import os
import subprocess
import tempfile

NODES = [(-89.875 + 0.25 * i, 29.125 + 0.25 * j, 1.5 + 0.75 * (i + 4 * j)) for j in range(3) for i in range(4)]
ELEMENTS = []
for j in range(2):
    for i in range(3):
        a = 4 * j + i + 1
        ELEMENTS += [(a, a + 1, a + 5), (a, a + 5, a + 4)]
OPEN = [[1, 2, 3, 4], [4, 8, 12]]
LAND = [(0, [12, 11]), (52, [11, 10, 9]), (52, [9, 5, 1])]


def cdl(start=1, two=False, boundaries=True, deflate=False, harmonic=False, mesh=True):
    out = ["netcdf m {", "dimensions:", "  node = 12 ;"]
    if mesh:
        out += ["  nele = 12 ;", "  nvertex = 3 ;"]
    if boundaries:
        out += ["  nope = 2 ;", "  neta = 7 ;", "  max_nvdll = 4 ;", "  nbou = 3 ;", "  nvel = 8 ;", "  max_nvell = 3 ;"]
    if harmonic:
        out += ["  num_const = 2 ;", "  constlen = 10 ;"]
    out.append("variables:")
    if mesh:
        out += ["  double %s(node) ;" % v for v in ("x", "y", "depth")]
        out.append("  int element(nele, nvertex) ;")
        if start != 1:
            out.append("    element:start_index = %d ;" % start)
        if deflate:
            out += ["    element:_DeflateLevel = 2 ;", "    x:_DeflateLevel = 2 ;"]
    if boundaries:
        out += ["  int neta ;", "  int nvdll(nope) ;", "  int ibtypee(nope) ;"]
        out.append("  int nbdv(max_nvdll, nope) ;" if two else "  int nbdv(neta) ;")
        if start != 1:
            out.append("    nbdv:start_index = %d ;" % start)
        out += ["  int nvel ;", "  int nvell(nbou) ;", "  int ibtype(nbou) ;"]
        out.append("  int nbvv(max_nvell, nbou) ;" if two else "  int nbvv(nvel) ;")
        if start != 1:
            out.append("    nbvv:start_index = %d ;" % start)
    if harmonic:
        out += ["  char const(num_const, constlen) ;", "  double frequency(num_const) ;",
                "  double nodal_factor(num_const) ;", "  double equilibrium_argument(num_const) ;",
                "  double amp(node, num_const) ;", "    amp:_FillValue = -99999. ;",
                "  double phs(node, num_const) ;", "    phs:_FillValue = -99999. ;"]
    out += ["", "// global attributes:", '    :agrid = "seed grid" ;', "    :dt = 3. ;", "data:"]

    def join(values):
        return ", ".join(str(v) for v in values)

    if mesh:
        for k, v in enumerate(("x", "y", "depth")):
            out.append(" %s = %s ;" % (v, join(n[k] for n in NODES)))
        out.append(" element = %s ;" % join(c - 1 + start for e in ELEMENTS for c in e))
    if boundaries:
        def lay(segs):
            if not two:
                return [n - 1 + start for s in segs for n in s]
            longest = max(len(s) for s in segs)
            return [s[k] - 1 + start if k < len(s) else -99999 for k in range(longest) for s in segs]
        out += [" neta = 7 ;", " nvdll = 4, 3 ;", " ibtypee = 0, 0 ;", " nbdv = %s ;" % join(lay(OPEN)),
                " nvel = 8 ;", " nvell = 2, 3, 3 ;", " ibtype = 0, 52, 52 ;",
                " nbvv = %s ;" % join(lay([s for _, s in LAND]))]
    if harmonic:
        out += [' const = "M2", " K1 " ;', " frequency = 0.0001405189025, 7.292115836e-05 ;",
                " nodal_factor = 1, 1 ;", " equilibrium_argument = 0, 0 ;",
                " amp = %s ;" % ", ".join("_, NaN" if n == 2 else "%r, %r" % (0.5 + 0.125 * n, 0.25 + 0.0625 * n)
                                         for n in range(12)),
                " phs = %s ;" % ", ".join("%r, %r" % (10.0 * n, 5.0 * n + 0.5) for n in range(12))]
    out.append("}")
    return "\n".join(out) + "\n"


SEEDS = {
    "mesh-classic-flat": ("classic", cdl()),
    "mesh-classic-2d-start0": ("classic", cdl(start=0, two=True)),
    "mesh-cdf5-no-boundaries": ("cdf5", cdl(boundaries=False)),
    "mesh-nc4-deflate-no-boundaries": ("nc4", cdl(boundaries=False, deflate=True)),
    "harmonic-with-mesh-64bit": ("64-bit-offset", cdl(harmonic=True)),
    "harmonic-nc4": ("nc4", cdl(harmonic=True, mesh=False, boundaries=False)),
}

if __name__ == "__main__":
    corpus = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "netcdf")
    os.makedirs(corpus, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        for name, (kind, text) in SEEDS.items():
            src = os.path.join(tmp, name + ".cdl")
            with open(src, "w") as f:
                f.write(text)
            subprocess.run(["ncgen", "-b", "-k", kind, "-o", os.path.join(corpus, name), src], check=True)
