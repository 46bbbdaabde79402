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
    vues = ((450, 20, 580), (700, -150, 620), (1000, -550, 700), (2000, -1400, 1100))
    rangs = lambda f: np.stack([np.trunc(o - z * f.astype(float)) for z, _, o in vues])
    def bord(f, haut):  # the last float from f, up or down, on f's row in every view
        dedans, dehors = f.view(np.uint32).astype(np.int64), np.full(len(f), 0x40000000 if haut else -1)
        for _ in range(32):  # halving over the bits, ordered as the floats >= 0
            m = (dedans + dehors) // 2
            pareil = (rangs(m.astype(np.uint32).view(np.float32)) == rangs(f)).all(axis=0)
            dedans, dehors = np.where(pareil, m, dedans), np.where(pareil, dehors, m)
        return dedans.astype(np.uint32).view(np.float32).astype(float)
    i, j = balayage(0.0001), balayage(0.0005)
    # Where an orbit's pixel is certain: below 4a = 1, under the top of 0's
    # row; up to 4a = 3, near p = 1 - 1/4a, on p's row in every view, the
    # whole row from one side (4a < 2), a span kept inside it from both.
    a4, d, e = 4 * i.astype(float), 2.0 ** -51, 2.0 ** -47
    p = np.maximum(1 - 1 / a4, 0)
    dessous, dessus = bord(p.astype(np.float32), False), bord(p.astype(np.float32), True)
    m = 1 - np.abs(2 - a4)
    r = np.minimum(np.minimum(p - dessous, dessus - p), m / (4 * a4)) - e
    un = (a4 < 2) & (a4 - 1 >= 2.0 ** -40) & (dessous <= p - e) & (p + e <= dessus) & (dessus * a4 < 1)
    deux = (a4 > 1) & (a4 < 3) & ~un & (r * m >= 8 * d)
    bas = np.where(a4 <= 1, 0, np.where(un, dessous, np.where(deux, p - r, 1)))
    haut = np.where(a4 <= 1, bord(np.zeros(1, np.float32), True), np.where(un, dessus, np.where(deux, p + r, 0)))
    print(f"parameters without certain values: {int((bas > haut).sum())}")
    a, u = np.repeat(i.astype(float), len(j)), np.tile(j.astype(float), len(i))
    bas, haut = np.repeat(bas, len(j)), np.repeat(haut, len(j))
    # Blocks of so many orbits in the order of the sweep stop at a multiple
    # of 16 steps once each of them holds what it held 16 steps before, or
    # a certain value; the last block's empty lanes (0) are both.
    blocs = {nb: np.full(-(-len(u) // nb), 400) for nb in (20, 48, 128, 7)}
    for n in range(16, 401, 16):
        avant = u
        for _ in range(16):
            u = ((4 * a) * u) * (1 - u)
        fini = (u == avant) | ((bas <= u) & (u <= haut))
        for nb, arret in blocs.items():
            tous = np.append(fini, [True] * (-len(u) % nb)).reshape(-1, nb).all(axis=1)
            arret[(arret == 400) & tous] = n
    for nom, nb in (("sse2 and neon", 20), ("avx2", 48), ("avx512", 128), ("vfp", 7)):
        print(f"blocks of {nb} ({nom}): {int(blocs[nb].sum()) * nb} map steps")
    temp = u.astype(np.float32)
    print(f"a >= 0.75, from parameter {np.argmax(a4 >= 3)}: FNV-1a {fnv(temp[4 * a >= 3].astype("<f4").tobytes()):#018x}")
    for zoom, ab, ord_ in vues:
        for largeur, hauteur in ((800, 600), (1600, 1200)):
            x, y = np.trunc(zoom * a + ab).astype(int), np.trunc(ord_ - zoom * temp.astype(float)).astype(int)
            k = (y * largeur + x)[(x >= 0) & (x < largeur) & (y >= 0) & (y < hauteur)]
            k = k[np.sort(np.unique(k, return_index=True)[1])]  # each pixel once, first seen first
            octets = np.stack([k % largeur, k // largeur], axis=1).astype("<i4").tobytes()
            print(f"view {zoom},{ab},{ord_} in {largeur} x {hauteur}: {len(k)} pixels, FNV-1a {fnv(octets):#018x}")

tourbel() if sys.argv[1:] == ["tourbel"] else ramelle()
