#!/usr/bin/env python3
"""Independent solution of a laterally loaded elastic pile in Matlock soft clay.

The whole finite-difference system (imaginary nodes included) is assembled as
one dense matrix and solved by Gaussian elimination with partial pivoting;
the secant soil moduli are iterated to a fixed point. The engine solves the
same difference equations by recursion from the tip; the two must agree to
the convergence tolerance. Prints head deflection and largest moment.
"""
import math
import struct
import sys


def single(x):
    return struct.unpack('f', struct.pack('f', x))[0]


def solve_dense(A, b):
    n = len(b)
    for j in range(n):
        p = max(range(j, n), key=lambda i: abs(A[i][j]))
        A[j], A[p] = A[p], A[j]
        b[j], b[p] = b[p], b[j]
        for i in range(j + 1, n):
            f = A[i][j] / A[j][j]
            if f:
                for c in range(j, n):
                    A[i][c] -= f * A[j][c]
                b[i] -= f * b[j]
    x = [0.0] * n
    for i in range(n - 1, -1, -1):
        x[i] = (b[i] - sum(A[i][c] * x[c] for c in range(i + 1, n))) / A[i][i]
    return x


def pile(V, M, P, EI=29e6 * 2549.35, b=24.0, L=720.0, n=100, c=800.0 / 144.0, e50=0.01, gamma=0.03):
    N = n + 1
    h = L / n
    X = [(k - 1) * h for k in range(N + 1)]  # X[k], k = 1..N
    y50 = 2.5 * e50 * b
    third = single(1.0 / 3.0)

    def p_of(k, y):
        z = X[k]
        Np = 3 + gamma * z / c + 0.5 * z / b
        pu = Np * c * b if Np < 9 else 9 * c * b
        if y < single(0.00001) * y50:
            return None, pu * 0.0107721724 / (single(0.00003) * y50)
        if y <= 8 * y50:
            return min(0.5 * pu * (y / y50) ** third, pu if y >= 8 * y50 else float('inf')), None
        return pu, None

    Es = [50000.0] * (N + 1)
    y = [0.0] * (N + 4)  # index k + 1 for k = -1 .. N + 2
    idx = lambda k: k + 1
    for it in range(500):
        size = N + 4
        A = [[0.0] * size for _ in range(size)]
        rhs = [0.0] * size
        row = 0
        Ph2 = P * h * h
        for k in range(1, N + 1):
            A[row][idx(k - 2)] += EI
            A[row][idx(k - 1)] += -4 * EI + Ph2
            A[row][idx(k)] += 6 * EI - 2 * Ph2 + Es[k] * h ** 4
            A[row][idx(k + 1)] += -4 * EI + Ph2
            A[row][idx(k + 2)] += EI
            row += 1
        # Head: shear V and moment M.
        a = 2 - Ph2 / EI
        A[row][idx(3)], A[row][idx(2)], A[row][idx(0)], A[row][idx(-1)] = 1.0, -a, a, -1.0
        rhs[row] = 2 * V * h ** 3 / EI
        row += 1
        A[row][idx(2)], A[row][idx(1)], A[row][idx(0)] = 1.0, -2.0, 1.0
        rhs[row] = M * h * h / EI
        row += 1
        # Tip: no moment, no shear.
        A[row][idx(N + 1)], A[row][idx(N)], A[row][idx(N - 1)] = 1.0, -2.0, 1.0
        row += 1
        A[row][idx(N + 2)], A[row][idx(N + 1)], A[row][idx(N - 1)], A[row][idx(N - 2)] = 1.0, -2.0 + Ph2 / EI, 2.0 - Ph2 / EI, -1.0
        new = solve_dense(A, rhs)
        change = max(abs(new[i] - y[i]) for i in range(idx(1), idx(N) + 1))
        y = new
        if change < 1e-11 and it >= 5:
            break
        for k in range(1, N + 1):
            yr = abs(y[idx(k)])
            p, lim = p_of(k, yr)
            Es[k] = lim if lim is not None else p / yr
    moments = [EI * (y[idx(k + 1)] - 2 * y[idx(k)] + y[idx(k - 1)]) / h ** 2 for k in range(1, N)]
    return y[idx(1)], max(abs(m) for m in moments)


if __name__ == '__main__':
    for V, M, P in [(20000.0, 0.0, 0.0), (20000.0, 1.0e6, 50000.0)]:
        y1, mmax = pile(V, M, P)
        print(f"V={V} M={M} P={P}: y1={y1!r} Mmax={mmax!r}")
        sys.stdout.flush()


def pile_in_api_sand(V, EI=29e6 * 2549.35, b=24.0, L=720.0, n=100, phi_deg=35.0, g=60.0 / 1728.0, k=100.0):
    """The same dense solution with API sand curves (static)."""
    sys.path.insert(0, __file__.rsplit('/', 1)[0])
    import sand_curves
    N = n + 1
    h = L / n
    X = [(i - 1) * h for i in range(N + 1)]
    curves = [None] + [sand_curves.api(phi_deg, g, b, k, X[i], False) if X[i] > 0 else None for i in range(1, N + 1)]
    Es = [50000.0] * (N + 1)
    y = [0.0] * (N + 4)
    idx = lambda i: i + 1
    for it in range(1000):
        size = N + 4
        A = [[0.0] * size for _ in range(size)]
        rhs = [0.0] * size
        row = 0
        for i in range(1, N + 1):
            for off, c in ((-2, EI), (-1, -4 * EI), (0, 6 * EI + Es[i] * h ** 4), (1, -4 * EI), (2, EI)):
                A[row][idx(i + off)] += c
            row += 1
        A[row][idx(3)], A[row][idx(2)], A[row][idx(0)], A[row][idx(-1)] = 1.0, -2.0, 2.0, -1.0
        rhs[row] = 2 * V * h ** 3 / EI
        row += 1
        A[row][idx(2)], A[row][idx(1)], A[row][idx(0)] = 1.0, -2.0, 1.0
        row += 1
        A[row][idx(N + 1)], A[row][idx(N)], A[row][idx(N - 1)] = 1.0, -2.0, 1.0
        row += 1
        A[row][idx(N + 2)], A[row][idx(N + 1)], A[row][idx(N - 1)], A[row][idx(N - 2)] = 1.0, -2.0, 2.0, -1.0
        new = solve_dense(A, rhs)
        change = max(abs(new[i] - y[i]) for i in range(idx(1), idx(N) + 1))
        y = new
        if change < 1e-11 and it >= 5:
            break
        for i in range(1, N + 1):
            yr = abs(y[idx(i)])
            if curves[i] is None:
                Es[i] = 0.0
            elif yr < 1e-14:
                Es[i] = k * X[i]
            else:
                Es[i] = curves[i]['p'](yr) / yr
    moments = [EI * (y[idx(i + 1)] - 2 * y[idx(i)] + y[idx(i - 1)]) / h ** 2 for i in range(1, N)]
    return y[idx(1)], max(abs(m) for m in moments)


if __name__ == '__main__':
    y1, mmax = pile_in_api_sand(20000.0)
    print(f"API sand V=20000: y1={y1!r} Mmax={mmax!r}")
