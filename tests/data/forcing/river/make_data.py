# Writes the river test mesh (river.14), two flow input files and rivers.txt, the river
# nodes (position, longitude, latitude) that oracle.f90 reads. The first river lies on the
# built-in Mississippi profile points, the second on the Atchafalaya ones; node lines carry
# labels 101.. in reverse order, so positions differ from labels.
miss = [(-91.1941234, 30.4221559), (-91.194956, 30.4226073), (-91.1957467, 30.4231121), (-91.1965052, 30.423653),
        (-91.1972709, 30.4241861), (-91.1980693, 30.4246818), (-91.1988772, 30.4251659), (-91.1996913, 30.4256422),
        (-91.200516, 30.4261047), (-91.201343, 30.426564), (-91.2021879, 30.4269983), (-91.203045, 30.4274143),
        (-91.203899, 30.427835)]
atch = [(-91.79974, 30.98025), (-91.800455, 30.980235), (-91.80117, 30.98022), (-91.801885, 30.980205),
        (-91.802734, 30.98018), (-91.8037, 30.980117), (-91.8048, 30.980045), (-91.8059, 30.979973),
        (-91.807, 30.9799), (-91.80787, 30.97987), (-91.80874, 30.97984), (-91.80961, 30.97981),
        (-91.81048, 30.97978)]
pts = miss + atch + [(-91.5, 30.5), (-91.6, 30.6)]
np_ = len(pts)
label = lambda pos: 100 + np_ + 1 - pos  # position 1 carries the highest label
with open('river.14', 'w') as f:
    f.write('river test mesh\n1 %d\n' % np_)
    for pos, (x, y) in enumerate(pts, 1):
        f.write(f'{label(pos)} {x} {y} 3.0\n')
    f.write(f'1 3 {label(1)} {label(2)} {label(27)}\n')
    f.write('0 ! open\n0\n')
    f.write('4 ! land\n30\n')
    f.write(f'2 0\n{label(27)}\n{label(28)}\n')
    f.write(f'13 52 ! river\n' + ''.join(f'{label(p)}\n' for p in range(1, 14)))
    f.write(f'2 24\n{label(27)} {label(28)} 1.0 0.5 0.5\n{label(28)} {label(27)} 1.0 0.5 0.5\n')
    f.write(f'13 52\n' + ''.join(f'{label(p)}\n' for p in range(14, 27)))
with open('rivers.txt', 'w') as f:
    for r, pos in ((1, range(1, 14)), (2, range(14, 27))):
        f.write('13\n' + ''.join(f'{p} {pts[p - 1][0]} {pts[p - 1][1]}\n' for p in pos))
with open('profiles.txt', 'w') as f:
    f.write('river flux profiles\nsecond heading line\n2\n4\n')
    f.write('A river with a rather long name\n4\n')
    f.write('-91.19 30.42 1.5\n-91.195 30.423 3.25\n-91.20 30.426 2.0\n-91.204 30.428 0.25\n')
    f.write('Second\n3\n-91.80 30.98 0.001\n-91.805 30.98 0.002\n-91.81 30.98 0.001\n')
