#!/usr/bin/env python3
"""How wet does a straight walk get? For every stage in the data files:
the street's length, the goal shop, and how far and for how many frames a
player walking straight right from the start to the goal door is in the
rain. Prints a Markdown table.

The walk follows the game's rules: the player starts at x 960, moves 10
points a frame, reaches the goal when its box (the standing picture's width
at scale 0.18) covers the door, and is dry in a frame only when its x lies
strictly inside some building's shelter span. Dryness starts at 200 and the
stage is lost on the 201st exposed frame.

Usage: stage_table.py RESOURCE_DIR"""

import os
import struct
import sys

COLUMN = 800
START_X = 960
STEP = 10
PLAYER_SCALE = 0.18
DRYNESS = 200


def split(text, sep):
    """The game's cutting rule: no empty token after a trailing separator."""
    if not text:
        return []
    parts = text.split(sep)
    if parts[-1] == "":
        parts.pop()
    return parts


def atoi(s):
    s = s.lstrip()
    sign = 1
    if s[:1] in "+-" and s:
        sign = -1 if s[0] == "-" else 1
        s = s[1:]
    digits = ""
    for ch in s:
        if not ch.isdigit():
            break
        digits += ch
    return sign * int(digits) if digits else 0


def atof(s):
    s = s.lstrip()
    best = 0.0
    for end in range(len(s), 0, -1):
        try:
            best = float(s[:end])
            break
        except ValueError:
            continue
    return best


def read(res, name):
    with open(os.path.join(res, name), encoding="utf-8") as fh:
        return fh.read()


def load_shops(res):
    shops = []
    for line in split(read(res, "Shop/ShopData.txt"), "\n"):
        tok = split(line, ",")
        b = {"name": "", "door": 0.0, "left": 0.0, "right": 0.0, "shop": 0}
        i = 0
        while i < len(tok):
            key = tok[i][:1]
            if key == "G":
                i += 1
                b["door"] = atof(tok[i])
            elif key == "M":
                b["left"] = atof(tok[i + 1])
                b["right"] = atof(tok[i + 2])
                i += 2
            elif key == "N":
                i += 1
                b["name"] = tok[i]
            elif key == "S":
                i += 1
                b["shop"] = 1 if atoi(tok[i]) == 1 else 0
            i += 1
        shops.append(b)
    return shops


def load_stage(line, shops):
    st = {"row": [], "bg": [], "floor": [], "goal": None}
    for entry in split(line, "<"):
        key = entry[:1]
        if key == "n":
            break
        tok = split(entry, ",")
        vals = [atoi(t) for t in tok[1:]]
        if key == "B":
            st["bg"] = vals
        elif key == "F":
            st["floor"] = vals
        elif key == "S":
            st["row"] = vals
        elif key == "G":
            st["goal"] = vals[0] if vals else 0
    return st


def player_half_width(res):
    with open(os.path.join(res, "GameScene", "arukuRight2.png"), "rb") as fh:
        head = fh.read(24)
    width = struct.unpack(">I", head[16:20])[0]
    return width * PLAYER_SCALE / 2.0


def walk(st, shops, half):
    """(goal shop index in the row, goal x, frames walked, exposed frames)."""
    spans = []
    placed = []
    for k, b in enumerate(st["row"]):
        spans.append((COLUMN * k + shops[b]["left"], COLUMN * k + shops[b]["right"]))
        if shops[b]["shop"] == 1:
            placed.append(k)
    col = placed[st["goal"]]
    goal_x = COLUMN * col + shops[st["row"][col]]["door"]
    x, frames, exposed = START_X, 0, 0
    while True:
        frames += 1
        x += STEP
        if x - half <= goal_x <= x + half:
            break
        if not any(left < x < right for left, right in spans):
            exposed += 1
    return col, goal_x, frames, exposed


def verdict(exposed):
    if exposed < 120:
        return "walk straight"
    if exposed < DRYNESS:
        return "tight"
    return "needs umbrellas"


def main(res):
    shops = load_shops(res)
    half = player_half_width(res)
    levels = {}
    for n, line in enumerate(split(read(res, "Select/Data.txt"), "\n")):
        tok = split(line, ",")
        for i in range(0, len(tok) - 1, 2):
            if tok[i][:1] == "L":
                levels[n] = atoi(tok[i + 1])
    print("| Stage | Level | Columns | Length (points) | Goal shop | Goal x | Frames walked "
          "| Exposed (points) | Exposed frames | Dryness left | Straight walk |")
    print("|---:|---:|---:|---:|---|---:|---:|---:|---:|---:|---|")
    for n, line in enumerate(split(read(res, "Stage/StageData.txt"), "\n")):
        st = load_stage(line, shops)
        col, goal_x, frames, exposed = walk(st, shops, half)
        columns = len(st["row"])
        name = shops[st["row"][col]]["name"]
        left = DRYNESS - exposed
        print("| %s | %s | %d | %d | %s (column %d) | %d | %d | %d | %d | %s | %s |" % (
            n if n < 30 else "30 (random)", levels.get(n, "-"), columns,
            (columns + 1) * COLUMN, name, col, goal_x, frames, exposed * STEP, exposed,
            left if left > 0 else "miss", verdict(exposed)))


if __name__ == "__main__":
    main(sys.argv[1])
