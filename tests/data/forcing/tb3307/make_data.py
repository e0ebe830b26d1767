# Writes the small database (tb3307.grd, tb3307.tdb) and model mesh (model.14) used by the
# tests of the TB3307 extraction. Deterministic: run it again to get the same files.
import random

rng = random.Random(3307)
cols, rows = 5, 4
numbers = list(range(1, cols * rows + 1))
rng.shuffle(numbers)
# node at grid (r, c) carries numbers[r * cols + c]
xy = {}
for r in range(rows):
    for c in range(cols):
        xy[numbers[r * cols + c]] = (-90.0 + 0.25 * c, 29.0 + 0.25 * r)
elements = []
for r in range(rows - 1):
    for c in range(cols - 1):
        a, b = numbers[r * cols + c], numbers[r * cols + c + 1]
        d, e = numbers[(r + 1) * cols + c], numbers[(r + 1) * cols + c + 1]
        for t in ([a, b, e], [a, e, d]) if (r + c) % 2 else ([a, b, d], [b, e, d]):
            if rng.random() < 0.3:
                t = [t[0], t[2], t[1]]  # clockwise
            elements.append(t)
order = list(range(len(elements)))
rng.shuffle(order)
with open('tb3307.grd', 'w') as f:
    f.write('small test database mesh\n')
    f.write(f'{len(elements)} {len(xy)}\n')
    for n in sorted(xy, key=lambda k: rng.random()):
        f.write(f'{n:6d} {xy[n][0]:.4f} {xy[n][1]:.4f} 100.0\n')
    for pos, k in enumerate(order):
        t = elements[k]
        f.write(f'{pos + 1:6d} 3 {t[0]} {t[1]} {t[2]}\n')

names = ['K1', 'O1', 'P1', 'Q1', 'N2', 'M2', 'S2', 'K2', 'M4', 'MS4']
with open('tb3307.tdb', 'w') as f:
    f.write('10\n')
    for k, nm in enumerate(names):
        f.write(f'{"0.%010dE-03" % (1405189025 + k):>21s}{1.0:11.7f}{0.1 * k:13.8f}  {nm:<10s}\n')
    f.write(f'{len(xy)}\n')
    for n in range(1, len(xy) + 1):
        for q in range(3):
            vals = []
            for k in range(10):
                amp = 0.0 if k == 2 else round(rng.uniform(0.001, 1.5), 5)
                pha = round(rng.uniform(200.0, 340.0) if k == 5 else rng.uniform(0.0, 360.0), 3)
                vals.append(f'{amp:.5f} {pha:.3f}')
            f.write((f'{n:8d} ' if q == 0 else '         ') + ' '.join(vals) + '\n')

# Open-boundary points: inside, on an edge, on a database node, outside, and a node
# listed in both segments.
pts = [(-89.83, 29.11), (-89.5, 29.375), (-89.25, 29.5), (-88.5, 30.4), (-89.1, 29.6), (-89.62, 29.7)]
with open('model.14', 'w') as f:
    f.write('model mesh\n')
    f.write(f'1 {len(pts)}\n')
    for k in sorted(range(len(pts)), key=lambda k: -k):
        f.write(f'{k + 1} {pts[k][0]} {pts[k][1]} 5.0\n')
    f.write('1 3 1 2 3\n')
    f.write('2 ! open boundary segments\n7 ! open boundary nodes\n')
    f.write('4\n1\n2\n3\n4\n3\n5\n6\n1\n')
    f.write('1\n2\n2 0\n1\n2\n')
