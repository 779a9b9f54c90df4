# The two programs of bench_script_interpreter, run by python3 for comparison.
import time


def fib(n):
    if n < 2:
        return n
    return fib(n - 1) + fib(n - 2)


def loop():
    a = 0
    s = ""
    for i in range(1, 1000001):
        a = (a + i * 7) % 1000
        s = s + "x"
    return a, len(s)


for name, work in (("recursive Fibonacci of 27", lambda: fib(27)), ("1,000,000-pass loop", loop)):
    best = None
    for _ in range(5):
        start = time.perf_counter()
        work()
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    print(f"{name}: {best * 1000:.0f} ms (best of 5)")
