#!/usr/bin/env python3
"""Writes data/param.dat, the default study parameters, and checks the tables
against the practice scheduler's level rules.

The design is explained in data/books/PARAMETERS.md. This script is the one
place where the tables are written down; it writes the 408-line file (CR LF)
and then proves three things by walking every reachable combination of level
and answer history:

  * a cell marked "not used" (100) never fires, even for the hardest histories
    whose difficulty score wraps a threshold past 255;
  * a right answer at levels 10..13 never sends a record down;
  * every level can be reached and level 13 can be reached from a new record.

With --simulate it also plays a learner through one topic, to show how the
pool bounds meter new records and how long records of different difficulty
take to climb (the figures quoted in PARAMETERS.md).

    python3 scripts/books/make-param.py [--out data/param.dat] [--simulate]
"""

import argparse
import os
import random
import sys
from collections import Counter, deque

LEVELS = 14
UNUSED = 100

POOL_MIN = 0
POOL_MAX = 300

# Answers after which a record's level is re-examined (at difficulty 100).
ASKS = [5, 4, 4, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2]

# Promotions: level -> {target: right answers needed}. The scheduler tries the
# highest target first.
PROMOTE = {
    0: {2: 5, 1: 3},      # 5 only through three right answers at the first three showings
    1: {3: 4, 2: 3},
    2: {4: 4, 3: 3},
    3: {5: 3, 4: 2},
    4: {6: 3, 5: 2},
    5: {7: 3, 6: 2},
    6: {8: 3, 7: 2},
    7: {8: 2},
    8: {9: 2},
    9: {10: 2},
    10: {11: 2},
    11: {12: 2},
    12: {13: 2},
}

# Demotions of levels 2..9: level -> {target: right answers at or below which
# the record falls there}. The scheduler tries the lowest target first.
DEMOTE = {
    2: {1: 1},
    3: {1: 1},
    4: {1: 0, 2: 1},
    5: {2: 0, 3: 1},
    6: {3: 0, 4: 1},
    7: {4: 0},
    8: {5: 0},
    9: {6: 0},
}

# Levels 10..13: where one wrong answer sends the record.
FALL = {10: 6, 11: 7, 12: 8, 13: 9}


def tables():
    a = list(ASKS)
    b = [[UNUSED] * LEVELS for _ in range(LEVELS)]
    c = [[UNUSED] * LEVELS for _ in range(LEVELS)]
    for level, targets in PROMOTE.items():
        for target, value in targets.items():
            b[level][target] = value
    for level, targets in DEMOTE.items():
        for target, value in targets.items():
            c[level][target] = value
    for level, target in FALL.items():
        for k in range(level):
            c[level][k] = 1 if k == target else 0
    return a, b, c


def lines(a, b, c):
    out = [POOL_MIN, POOL_MAX] + a
    for t in (b, c):
        for row in t:
            out += row
    assert len(out) == 408
    return out


# The scheduler's rules, as the practice applies them.

WEIGHTS = [1.0, 2.29, 3.73, 5.27, 6.89, 8.58, 10.33, 12.12, 13.97, 15.84]
MARK_VALUE = {"-": 300, "=": 150, "0": 80, "1": 70, "2": 60, "3": 50}
FALL_FACTOR = {"0": 0.9, "1": 0.8, "2": 0.7, "3": 0.6}


def score(history):
    total = 0.0
    factor = 1.0
    for w, m in zip(WEIGHTS, history):
        if m == "+":
            total += int(w * 100 * factor)
        else:
            total += w * MARK_VALUE.get(m, 100)
        if m in FALL_FACTOR:
            factor = FALL_FACTOR[m]
    return int(total) // 80


def scaled(s, value):
    return (s * value // 100) % 256


class Fault(Exception):
    pass


def decide(a, b, c, level, history, q, r, strict=False):
    """The level decision once q >= threshold: (new level, mark)."""
    s = score(history)
    for k in range(LEVELS - 1, level, -1):
        if r >= scaled(s, b[level][k]):
            if strict and b[level][k] == UNUSED:
                raise Fault(f"unused promotion cell {level}->{k} fires: score {s}, r {r}")
            return k, "+"
    if level >= 2:
        for k in range(1, level):
            if c[level][k] != UNUSED and r <= scaled(s, c[level][k]):
                if strict and level >= 10:
                    raise Fault(f"right answers demote level {level}: score {s}, r {r}")
                return k, "-" if level <= 9 else str(level - 10)
    return level, "+" if level == 13 else "="


def wrong_at_high(c, level):
    target = 1
    for k in range(LEVELS):
        if c[level][k] == 1:
            target = k
    return target, str(level - 10)


def outcomes(a, level, history):
    """Every (q, r) with which a decision can be taken at this level and
    history, and whether a wrong answer at levels 10..13 can end the round."""
    s = score(history)
    t = scaled(s, a[level])
    result = set()
    if level >= 10:
        q = max(t, 1)
        result.add((q, q))
        return result
    if level == 0:
        if t <= 2:
            q = max(t, 1)
            result.update((q, r) for r in range(q + 1))
        else:
            q = t
            # Without the fast lane at least one of the first three is wrong.
            result.update((q, r) for r in range(q))
            q = max(t, 5)
            result.update((q, r) for r in range(5, q + 1))
        return result
    q = max(t, 1)
    result.update((q, r) for r in range(q + 1))
    return result


def check(a, b, c):
    start = (0, "_" * 10)
    seen = {start}
    todo = deque([start])
    levels = Counter()
    highest = 0
    while todo:
        level, history = todo.popleft()
        levels[level] += 1
        highest = max(highest, score(history))
        successors = []
        for q, r in outcomes(a, level, history):
            successors.append(decide(a, b, c, level, history, q, r, strict=True))
        if level >= 10:
            successors.append(wrong_at_high(c, level))
        for new_level, mark in successors:
            state = (new_level, history[1:] + mark)
            if state not in seen:
                seen.add(state)
                todo.append(state)
    missing = [lv for lv in range(LEVELS) if not levels[lv]]
    if missing:
        raise Fault(f"levels never reached: {missing}")
    return len(seen), highest


def check_shape(a, b, c):
    for level in range(LEVELS):
        if not 1 <= a[level] <= 85:
            raise Fault(f"A[{level}] = {a[level]} must stay within 1..85 so that scaling never wraps")
        for k in range(LEVELS):
            if k <= level and b[level][k] != UNUSED:
                raise Fault(f"B[{level}][{k}] is not above the level")
            if k >= level and c[level][k] != UNUSED:
                raise Fault(f"C[{level}][{k}] is not below the level")
        if level >= 10:
            row = c[level][:level]
            if row.count(1) != 1 or any(v not in (0, 1) for v in row):
                raise Fault(f"C row {level} must hold one 1 and zeros")
            if a[level] < 2:
                raise Fault(f"A[{level}] below 2 lets one right answer meet the fall mark")


# A learner playing one topic, to see the tables at work.

LEVEL_SHARE = [328, 153, 95, 65, 48, 36, 28, 22, 17, 13, 10, 7, 5]


def pool_value(records):
    load = sum((10 - rec["level"]) * 111 for rec in records if 1 <= rec["level"] <= 9)
    p = min(max(load // 100, POOL_MIN), POOL_MAX)
    return (p - POOL_MIN) * 200 // (POOL_MAX - POOL_MIN) - 100


def choose(rng, records):
    """Topic pool, bands, level and record as the practice chooses them
    (one topic; the urgency override and the recency gate need a clock and
    are left out)."""
    p = pool_value(records)
    by_level = [[r for r in records if r["level"] == lv] for lv in range(LEVELS)]
    w0 = 2500 if p < 0 else (5 - p) * 500 if p <= 5 else 0
    rest = 10000 - w0
    weights = [w0] + [rest * share // 827 for share in LEVEL_SHARE]
    total = sum(weights)
    s = rng.randrange(total) + 1
    if s <= w0:
        if by_level[0]:
            weights = [w0] + [0] * 13
    elif s >= total - rest * 35 // 827:
        if any(by_level[lv] for lv in range(10, 14)):
            weights = [0] * 10 + weights[10:]
    elif any(by_level[lv] for lv in range(1, 10)):
        weights = [0] + weights[1:10] + [0] * 4
    weights = [w * len(by_level[lv]) for lv, w in enumerate(weights)]
    total = sum(weights)
    if total == 0:
        return None
    u = rng.randrange(total) + 1
    for level, w in enumerate(weights):
        u -= w
        if u <= 0:
            break
    candidates = by_level[level]
    if level == 0:
        n = len(candidates)
        candidates = candidates[:n if n <= 6 else 4 if n == 7 else 5]
    return rng.choice(candidates)


def answer(a, b, c, rec, right):
    level, history = rec["level"], rec["history"]
    q, r = rec["q"] + 1, rec["r"] + (1 if right else 0)
    t = scaled(score(history), a[level])
    decided = None
    if not right and level >= 10:
        decided = wrong_at_high(c, level)
    else:
        if level == 0 and q == 3 and r == 3:
            q = r = 5
        if q >= t:
            decided = decide(a, b, c, level, history, q, r)
    if decided:
        rec["level"], mark = decided
        rec["history"] = history[1:] + mark
        rec["q"] = rec["r"] = 0
        rec["decisions"] += 1
    else:
        rec["q"], rec["r"] = q, r


def simulate(a, b, c, answers=3000, size=60, seed=7):
    rng = random.Random(seed)
    kinds = [0.95, 0.85, 0.7]
    records = [{"level": 0, "history": "_" * 10, "q": 0, "r": 0, "p": kinds[i % 3],
                "asked": 0, "decisions": 0, "to10": None, "to13": None}
               for i in range(size)]
    report = []
    for n in range(1, answers + 1):
        rec = choose(rng, records)
        rec["asked"] += 1
        answer(a, b, c, rec, rng.random() < rec["p"])
        if rec["level"] >= 10 and rec["to10"] is None:
            rec["to10"] = rec["asked"]
        if rec["level"] == 13 and rec["to13"] is None:
            rec["to13"] = rec["asked"]
        if n in (100, 250, 500, 1000, 2000, answers):
            levels = Counter(r["level"] for r in records)
            report.append((n, pool_value(records), levels[0],
                           sum(levels[lv] for lv in range(1, 10)),
                           sum(levels[lv] for lv in range(10, 14))))
    print(f"One topic of {size} records (a third each answered right with 95 %, 85 %, 70 %):")
    print("  answers  pool  new  learning(1-9)  high(10-13)")
    for n, pool, new, learning, high in report:
        print(f"  {n:7d}  {pool:4d}  {new:3d}  {learning:13d}  {high:11d}")
    for p in kinds:
        group = [r for r in records if r["p"] == p]
        reached = sorted(r["to10"] for r in group if r["to10"])
        median = reached[len(reached) // 2] if reached else "-"
        print(f"  right {p:.0%}: {len(reached)}/{len(group)} reached level 10, "
              f"median {median} answers of their own")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", default=os.path.join(here, "..", "..", "data", "param.dat"))
    parser.add_argument("--simulate", action="store_true")
    args = parser.parse_args()
    a, b, c = tables()
    try:
        check_shape(a, b, c)
        states, highest = check(a, b, c)
    except Fault as fault:
        sys.exit(f"param.dat not written: {fault}")
    with open(args.out, "wb") as f:
        f.write(b"".join(f"{v}\r\n".encode("ascii") for v in lines(a, b, c)))
    print(f"{os.path.normpath(args.out)} written; {states} reachable level and history "
          f"states checked, highest difficulty score {highest}")
    if args.simulate:
        simulate(a, b, c)


if __name__ == "__main__":
    main()
