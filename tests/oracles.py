#!/usr/bin/python3
# The pinned values of the unit tests, worked out apart from the programs:
# the formulas written again from the mathematics, in Python's IEEE doubles
# and numpy's floats. Prints what the tests pin; run again after a change
# that is meant to move the numbers:
#     tests/oracles.py tourbel        (a minute)
#     tests/oracles.py ramelle        (numpy, from python3-numpy)
import struct, sys

def fnv(octets, h=0xcbf29ce484222325):  # FNV-1a, 64 bits
    for o in octets:
        h = ((h ^ o) * 0x100000001b3) & 0xFFFFFFFFFFFFFFFF
    return h

def simple(v):  # a double narrowed to single precision and back
    return struct.unpack("f", struct.pack("f", v))[0]

def pas(x, y, z, r, h, b=simple(2.666667), s=10.0):
    fx, fy, fz = lambda x, y: (y - x) * s, lambda x, y, z: (r * x - x * z) - y, lambda x, y, z: x * y - b * z
    a1, b1, c1 = h * fx(x, y), h * fy(x, y, z), h * fz(x, y, z)
    a2, b2 = h * fx(x + a1 * .5, y + a1 * .5), h * fy(x + b1 * .5, y + b1 * .5, z + b1 * .5)
    c2 = h * fz(x + c1 * .5, y + b1 * .5, z + c1 * .5)
    a3, b3 = h * fx(x + a2 * .5, y + a2 * .5), h * fy(x + b2 * .5, y + b2 * .5, z + b2 * .5)
    c3 = h * fz(x + c2 * .5, y + c2 * .5, z + c2 * .5)
    a4, b4, c4 = h * fx(x + a3, y + a3), h * fy(x + b3, y + b3, z + b3), h * fz(x + c3, y + c3, z + c3)
    m = lambda k1, k2, k3, k4: ((((k2 + k2) + k1) + (k3 + k3)) + k4) / 6
    return x + m(a1, a2, a3, a4), y + m(b1, b2, b3, b4), z + m(c1, c2, c3, c4)

def vue(c, x, y, z):
    return [(10 * x + 500, 10 * y + 350), (10 * x + 500, 10 * z + 50),
            (10 * y + 500, 10 * z + 50), ((10 * x + 550) + 10 * y, (10 * z + 150) + 10 * y)][c]

def tourbel():
    for e, r, h in (((11., 0., 20.), 28., .01), ((11., 0., 20.), 28., .0001), ((1., 2., 3.), simple(24.74), .01)):
        print(f"one step from {e}, r = {r}, h = {h}:", *(v.hex() for v in pas(*e, r, h)))
    for h in (0.0001, 0.001):
        e = (11.0, 0.0, 20.0)
        for _ in range(100000):
            e = pas(*e, 28.0, h)
        print(f"h = {h}: 10^5 steps ->", *(v.hex() for v in e))
    e, segments = (11.0, 0.0, 20.0), [bytearray() for _ in range(4)]
    for _ in range(500000):
        s = pas(*e, 28.0, 0.0001)
        for c in range(4):
            segments[c] += struct.pack("<4i", *(int(v) for v in vue(c, *e) + vue(c, *s)))
        e = s
    for c in range(4):
        print(f"view {c + 1}: 500000 default segments, FNV-1a {fnv(segments[c]):#018x}")

def ramelle():
    import numpy as np
    def balayage(v, pas=np.float32(0.0005)):
        valeurs = [np.float32(v)]
        while np.float32(valeurs[-1] + pas) < 1:
            valeurs.append(np.float32(valeurs[-1] + pas))
        return np.array(valeurs)
    i, j = balayage(0.0001), balayage(0.0005)
    a, u = np.repeat(i.astype(float), len(j)), np.tile(j.astype(float), len(i))
    # The step at which each orbit first holds the value it held 16 steps
    # before: from there on nothing changes at a multiple of 16, 400 included.
    repete = np.full(len(u), 400)
    for n in range(1, 401):
        if n % 16 == 1:
            avant = u
        u = ((4 * a) * u) * (1 - u)
        if n % 16 == 0:
            repete[(repete == 400) & (u == avant)] = n
    temp = u.astype(np.float32)
    print(f"sweep {len(i)} x {len(j)}: FNV-1a {fnv(temp.astype("<f4").tobytes()):#018x}")
    # Blocks of so many orbits in the order of the sweep, stopped when all
    # have repeated; the last block's empty lanes (0) repeat at step 16.
    for nom, nb in (("sse2 and neon", 20), ("avx2", 48), ("avx512", 128), ("vfp", 7)):
        blocs = np.append(repete, [16] * (-len(u) % nb)).reshape(-1, nb).max(axis=1)
        print(f"blocks of {nb} ({nom}): {int(blocs.sum()) * nb} map steps")
    for zoom, ab, ord_ in ((450, 20, 580), (700, -150, 620), (1000, -550, 700), (2000, -1400, 1100)):
        x, y = np.trunc(zoom * a + ab).astype(int), np.trunc(ord_ - zoom * temp.astype(float)).astype(int)
        k = (y * 800 + x)[(x >= 0) & (x < 800) & (y >= 0) & (y < 600)]
        k = k[np.sort(np.unique(k, return_index=True)[1])]  # each pixel once, first seen first
        octets = np.stack([k % 800, k // 800], axis=1).astype("<i4").tobytes()
        print(f"view {zoom},{ab},{ord_}: {len(k)} pixels, FNV-1a {fnv(octets):#018x}")

tourbel() if sys.argv[1:] == ["tourbel"] else ramelle()
