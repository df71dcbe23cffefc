"""Prints the medians of a Google Benchmark JSON file as ratios of a program's benchmark to
its baseline's, for each size. Usage: ratios.py JSON GOAL LABEL OURS BASE SIZES [LABEL ...]"""

import json
import sys


def main():
    path, goal, rest = sys.argv[1], float(sys.argv[2]), sys.argv[3:]
    runs = {b["run_name"]: b["real_time"] for b in json.load(open(path))["benchmarks"]
            if b.get("aggregate_name") == "median"}
    for at in range(0, len(rest), 4):
        label, ours, base, sizes = rest[at:at + 4]
        for n in sizes.split(","):
            a, b = runs[f"{ours}/{n}"], runs[f"{base}/{n}"]
            print(f"{int(n):>6} {label}: {a:8.3f} ms vs {b:8.3f} ms = {a / b:.2f}x "
                  f"(goal <= {goal}x)")


if __name__ == "__main__":
    main()
