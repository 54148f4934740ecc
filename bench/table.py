#!/usr/bin/env python3
"""Turns the benchmark's JSON output into one table: each hkcal job, its
median, the fastest peer doing the same job, and their ratio against the
job's target. Benchmarks are named job/inputs/implementation."""
import json
import platform
import sys

# (job/inputs, what hkcal is compared with, the largest ratio that meets the
# target). The comparison is the fastest peer of the same job/inputs, another
# benchmark named in full, or, for None, an absolute bound in ns.
TARGETS = [
    ("date_to_JD0/1600-2400", "peers", 1.2),
    ("date_to_JD0/1-2400", "peers", 1.2),
    ("JD0_to_date/1600-2400", "peers", 1.2),
    ("JD0_to_date/1-2400", "peers", 1.2),
    ("round_trip/1600-2400", "peers", 1.2),
    ("round_trip/1-2400", "peers", 1.2),
    ("day_of_week_index_JD0/1600-2400", "peers", 1.2),
    ("easter/1936-2031", "peers", 1.0),
    ("add_day_with_weekday_flag(10)/1600-2400", "peers", 1.0),
    ("add_day_with_weekday_flag(13)/1600-2400", "peers", 1.0),
    # Cost independent of n: n = 13 steps 3 days beyond whole weeks, n = 10 none.
    ("add_day_with_weekday_flag(13)/1600-2400", "add_day_with_weekday_flag(10)/1600-2400/hkcal", 1.1),
    ("date_to_chinese/lunar", "peers", 0.001),
    ("date_to_chinese/lunar", "date_to_JD0/lunar/hkcal", 2.0),
    ("chinese_to_date/lunar", "peers", 0.001),
    ("chinese_to_date/lunar", "date_to_JD0/lunar/hkcal", 2.0),
    ("holidays/1936-2031", None, 400.0),
    ("is_business_day/1998-2095", "day_of_week_index_JD0/1998-2095/hkcal", 1.5),
    ("add_business_days(1000)/1998-2095", "add_business_days(2)/1998-2095/hkcal", 1.2),
    ("add_business_days(-1000)/1998-2095", "add_business_days(2)/1998-2095/hkcal", 1.2),
    ("add_business_days(250)/2005-2022", "peers", 0.05),
    ("holidays_general/1998-2095", None, 500.0),
    # Constant-time business days: each at most 5x date_to_JD0 on the same dates.
    ("is_business_day/1998-2095", "date_to_JD0/1998-2095/hkcal", 5.0),
    ("add_business_days(1)/1998-2095", "date_to_JD0/1998-2095/hkcal", 5.0),
    ("add_business_days(2)/1998-2095", "date_to_JD0/1998-2095/hkcal", 5.0),
    ("add_business_days(1000)/1998-2095", "date_to_JD0/1998-2095/hkcal", 5.0),
    ("add_business_days(-1000)/1998-2095", "date_to_JD0/1998-2095/hkcal", 5.0),
    ("previous_business_day/1998-2095", "date_to_JD0/1998-2095/hkcal", 5.0),
    ("roll_modified_following/1998-2095", "date_to_JD0/1998-2095/hkcal", 5.0),
    ("business_days_between/1998-2095", "date_to_JD0/1998-2095/hkcal", 5.0),
    # Columns: per element at most 1.5x the scalar call.
    ("days_is_business_day/1998-2095", "is_business_day/1998-2095/hkcal", 1.5),
    ("days_is_holiday_general/1998-2095", "is_holiday_general/1998-2095/hkcal", 1.5),
    ("days_add_business_days(2)/1998-2095", "add_business_days(2)/1998-2095/hkcal", 1.5),
    ("days_add_business_days(1000)/1998-2095", "add_business_days(1000)/1998-2095/hkcal", 1.5),
    ("days_roll_modified_following/1998-2095", "roll_modified_following/1998-2095/hkcal", 1.5),
    ("days_business_days_between/1998-2095", "business_days_between/1998-2095/hkcal", 1.5),
    ("days_to_lunar/1998-2095", "date_to_lunar/1998-2095/hkcal", 1.5),
    # The date32 columns cost what the int64_t ones do.
    ("days32_is_business_day/1998-2095", "days_is_business_day/1998-2095/hkcal", 1.2),
    ("days32_add_business_days(2)/1998-2095", "days_add_business_days(2)/1998-2095/hkcal", 1.2),
    ("days_to_lunar/1998-2095", None, 10.0),
    ("date_to_lunar/1901-2100", "date_to_JD0/1901-2100/hkcal", 2.0),
    ("lunar_to_date/1901-2100", "date_to_JD0/1901-2100/hkcal", 2.0),
    ("solar_term_date/1901-2100", "date_to_JD0/1901-2100/hkcal", 1.0),
]


def medians(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    # A column function's time is per element: its "elements" counter.
    return {r["run_name"]: r["cpu_time"] / r.get("elements", 1) for r in runs
            if r.get("run_type") == "aggregate" and r.get("aggregate_name") == "median"
            and r.get("time_unit", "ns") == "ns"}


def cpu_model():
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    return line.split(":", 1)[1].strip()
    except OSError:
        pass
    return platform.processor() or "unknown"


def main():
    med = medians(sys.argv[1])
    print("| job | inputs | hkcal ns | compared with | its ns | ratio | target | met |")
    print("|---|---|---:|---|---:|---:|---:|---|")
    missed = 0
    for key, other, limit in TARGETS:
        job, inputs = key.split("/")
        ours = med.get(key + "/hkcal")
        if ours is None:
            continue
        if other is None:
            name, theirs, ratio, target = "-", None, None, f"<= {limit:g} ns"
            met = ours <= limit
        else:
            if other == "peers":
                peers = {n.rsplit("/", 1)[1]: t for n, t in med.items()
                         if n.startswith(key + "/") and not n.endswith("/hkcal")}
                if not peers:
                    continue
                name = min(peers, key=peers.get)
                theirs = peers[name]
            else:
                if other not in med:
                    continue
                name, theirs = "hkcal " + other.split("/")[0], med[other]
            ratio = ours / theirs
            target = f"<= {limit:g}x"
            met = ratio <= limit
        missed += 0 if met else 1
        cells = [job, inputs, f"{ours:.2f}", name,
                 "-" if theirs is None else f"{theirs:.2f}",
                 "-" if ratio is None else (f"{ratio:.2f}" if ratio >= 0.01 else f"{ratio:.1e}"),
                 target, "yes" if met else "**no**"]
        print("| " + " | ".join(cells) + " |")
    print(f"\nCPU: {cpu_model()}; medians of CPU time per call (per element for the days_ columns); {missed} target(s) missed.")


if __name__ == "__main__":
    main()
