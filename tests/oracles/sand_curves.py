#!/usr/bin/env python3
"""Reese (1974) and API RP 2A sand p-y values written out from the published
equations, for the sand tests. Prints C++ initialisers."""
import math
import struct


def single(x):
    return struct.unpack('f', struct.pack('f', x))[0]


R = [0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0]
TABLES = {
    'SA': [2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.90, 0.88, 0.88],
    'SB': [2.14, 1.83, 1.54, 1.27, 1.05, 0.86, 0.71, 0.53, 0.50, 0.50],
    'CA': [0.75, 0.93, 1.07, 1.11, 1.03, 0.98, 0.94, 0.90, 0.88, 0.88],
    'CB': [0.53, 0.72, 0.83, 0.86, 0.82, 0.77, 0.70, 0.55, 0.55, 0.55],
}


def coefficient(z, b, name):
    t = [single(v) for v in TABLES[name]]
    r = z / b
    if r > 6:
        return t[-1]
    for i in range(1, 10):
        if R[i] > r or i == 9:
            return t[i - 1] + (t[i] - t[i - 1]) * (r - R[i - 1]) / (R[i] - R[i - 1])


def reese(phi_deg, g, b, k, z, cyclic, theta=0.0, y_sign=1):
    phi = math.radians(phi_deg)
    a, be, K0 = phi / 2, math.pi / 4 + phi / 2, 0.4
    Ka = math.tan(math.pi / 4 - phi / 2) ** 2
    Kp = math.tan(be) ** 2
    t = abs(theta)
    Kw = Ka
    if t > 1e-10:
        d = math.cos(t) ** 2 - math.cos(phi) ** 2
        Kw = math.cos(t) * (math.cos(t) - math.sqrt(d)) / (math.cos(t) + math.sqrt(d))
    F, G = 1.0, 1.0
    if t > 1e-15:
        same = (y_sign > 0) == (theta > 1e-14)
        F = 1 + math.tan(t) * math.tan(be) if same else 1 - math.tan(t) * math.tan(be)
        u = math.tan(t) * math.tan(be) / F
        G = 4 * u ** 3 - 3 * u ** 2 + 1
    pst = g * z * (G * K0 * z * math.tan(phi) * math.sin(be) / (math.cos(a) * math.tan(be - phi))
                   + (math.tan(be) / math.tan(be - phi)) * (b + z * math.tan(be) * math.tan(a) / F) / F
                   + G * K0 * z * math.tan(be) * (math.tan(phi) * math.sin(be) - math.tan(a)) - Kw * b)
    psd = b * g * z * (Ka * (math.tan(be) ** 8 - 1) + K0 * math.tan(phi) * math.tan(be) ** 4)
    ps = min(pst, psd)
    A = coefficient(z, b, 'CA' if cyclic else 'SA')
    B = coefficient(z, b, 'CB' if cyclic else 'SB')
    pu, pm = A * ps, B * ps
    yu, ym = 3 * b / 80, b / 60
    kx = k * z
    m = (pu - pm) / (yu - ym)
    n = pm / (m * ym)
    C = pm / ym ** (1 / n)
    yk = (C / kx) ** (n / (n - 1))
    case = 1 if yk < ym else 2 if ym < yk < yu else 3 if yk > yu else 0

    def p(y):
        if y <= yk and y < ym:
            v = kx * y
        elif y <= ym:
            v = C * y ** (1 / n)
        elif y <= yu:
            v = pm + m * (y - ym)
        else:
            v = pu
        return min(v, kx * y)
    return dict(pst=pst, psd=psd, pu=pu, pm=pm, yk=yk, case=case,
                ys=[0.5 * ym, ym, 0.5 * (ym + yu), yu, 2 * yu], p=p)


def api(phi_deg, g, b, k, z, cyclic):
    phi = math.radians(phi_deg)
    a, be, K0 = phi / 2, math.pi / 4 + phi / 2, single(0.4)
    Ka = math.tan(math.pi / 4 - a) ** 2
    Kp = math.tan(be) ** 2
    C1 = math.tan(be) * (math.tan(a) * Kp + (math.sin(be) * (1 / math.cos(a) + 1) * math.tan(phi) - math.tan(a)) * K0)
    C2 = Kp - Ka
    C3 = Kp ** 2 * (Kp + K0 * math.tan(phi)) - Ka
    pu = min((C1 * z + C2 * b) * z * g, C3 * b * g * z)
    A = single(0.9) if cyclic else max(single(0.9), 3 - single(0.8) * z / b)
    return dict(pu=pu, A=A, p=lambda y: A * pu * math.tanh(k * z * y / (A * pu)))


if __name__ == '__main__':
    b, g = 24.0, 60 / 1728
    for label, k, z, cyc, theta, ys in [('case1', 100.0, 120.0, False, 0, 1), ('case2', 100.0, 24.0, False, 0, 1),
                                         ('case3', 2.0, 60.0, False, 0, 1), ('cyclic', 100.0, 120.0, True, 0, 1),
                                         ('slopeUp', 100.0, 120.0, False, math.radians(10), 1),
                                         ('slopeDown', 100.0, 120.0, False, math.radians(10), -1)]:
        r = reese(35.0, g, b, k, z, cyc, theta, ys)
        print(label, 'case', r['case'], 'pst', repr(r['pst']), 'psd', repr(r['psd']), 'pu', repr(r['pu']),
              'yk', repr(r['yk']))
        print('   ', [(repr(y), repr(r['p'](y))) for y in r['ys']])
    for label, z, cyc in [('api static 36', 36.0, False), ('api static 240', 240.0, False), ('api cyclic 36', 36.0, True)]:
        r = api(30.0, g, b, 50.0, z, cyc)
        print(label, 'pu', repr(r['pu']), 'A', repr(r['A']), [(y, repr(r['p'](y))) for y in (0.1, 0.5, 2.0)])
