#!/usr/bin/env python3
"""Writes the three data files that the game reads from the tables in
street.py: Shop/ShopData.txt, Stage/StageData.txt and Select/Data.txt.

Usage: write_data.py RESOURCE_DIR"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from street import (BACKGROUND_COUNT, BUILDINGS, FLOOR_COUNT, RANDOM_STAGE, STAGES,
                    shop_index)


def shop_line(b):
    return "N,%s,G,%d,M,%d,%d,S,%d" % (b.name, b.door, b.left, b.right, b.shop)


def scenery_rows(n, columns):
    """Background and floor numbers for a street of `columns` tiles. Varied
    but fixed: the same stage always looks the same."""
    bg = [(n * 2 + k * 3) % BACKGROUND_COUNT for k in range(columns)]
    floor = []
    for k in range(columns):
        v = (n + k * 3) % 7
        floor.append(v if v < FLOOR_COUNT else 0)
    return bg, floor


def stage_line(n, stage):
    # one more tile than there are buildings: the street's far end, where
    # passers-by appear, still has pavement and sky
    columns = len(stage.row) + 1
    bg, floor = scenery_rows(n, columns)
    return "B,%s<F,%s<S,%s<G,%d<n" % (",".join(map(str, bg)), ",".join(map(str, floor)),
                                      ",".join(map(str, stage.row)),
                                      shop_index(stage.row, stage.goal_col))


def select_line(n, stage):
    return "L,%d,W,%d,T,Select/board_%02d.png,S,%s" % (stage.level, len(stage.row), n,
                                                       "@".join(stage.comment))


def write(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as fh:
        fh.write("\n".join(lines) + "\n")


def main(res):
    write(os.path.join(res, "Shop", "ShopData.txt"), [shop_line(b) for b in BUILDINGS])
    stages = list(STAGES) + [RANDOM_STAGE]
    write(os.path.join(res, "Stage", "StageData.txt"),
          [stage_line(n, s) for n, s in enumerate(stages)])
    write(os.path.join(res, "Select", "Data.txt"),
          [select_line(n, s) for n, s in enumerate(STAGES)])


if __name__ == "__main__":
    main(sys.argv[1])
