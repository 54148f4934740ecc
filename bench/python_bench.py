"""The Python package's columns against numpy on the same dates and holidays:
one run, 1 million business dates of 1998-2099, the best of 7 timings each.

    HKCAL_LIBRARY_DIR=build/release PYTHONPATH=python python3 bench/python_bench.py

Prints a Markdown table: ns per date, and numpy's time over hkcal's. The bars:
is_business_day at least 5x numpy.is_busday, add_business_days(dates, 2) at
least 3x numpy.busday_offset, to_lunar at most 10 ns per date. Exit status 1
when one is missed."""
import sys
import time

import numpy as np

import hkcal

N = 1_000_000


def best(function, repeat=7):
    """The fastest of `repeat` runs, in ns per date."""
    times = []
    for _ in range(repeat):
        start = time.perf_counter_ns()
        function()
        times.append(time.perf_counter_ns() - start)
    return min(times) / N


def main():
    rng = np.random.default_rng(24)
    dates = hkcal.roll(np.datetime64("1998-01-01") + rng.integers(0, 102 * 365, N).astype("timedelta64[D]"))
    calendar = hkcal.busdaycalendar()
    assert (hkcal.is_business_day(dates) == np.is_busday(dates, busdaycal=calendar)).all()
    assert (hkcal.add_business_days(dates, 2) == np.busday_offset(dates, 2, busdaycal=calendar)).all()
    rows = [
        ("is_business_day(dates)", best(lambda: hkcal.is_business_day(dates)),
         best(lambda: np.is_busday(dates, busdaycal=calendar)), "numpy.is_busday", 5.0),
        ("add_business_days(dates, 2)", best(lambda: hkcal.add_business_days(dates, 2)),
         best(lambda: np.busday_offset(dates, 2, busdaycal=calendar)), "numpy.busday_offset", 3.0),
        ("to_lunar(dates)", best(lambda: hkcal.to_lunar(dates)), None, "", None),
    ]
    print(f"{N:,} dates, numpy {np.__version__}, Python {sys.version.split()[0]}\n")
    print("| hkcal | ns/date | numpy peer | ns/date | numpy / hkcal |")
    print("|---|---:|---|---:|---:|")
    missed = False
    for name, ours, peer, peer_name, bar in rows:
        if peer is None:
            print(f"| {name} | {ours:.1f} | | | |")
            missed |= ours > 10.0
        else:
            print(f"| {name} | {ours:.1f} | {peer_name} | {peer:.1f} | {peer / ours:.1f}x |")
            missed |= peer / ours < bar
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
