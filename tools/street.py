"""The street's content: every building, every stage layout and every board.

The data files under resources/ are written from these tables by
write_data.py, and the building pictures are drawn from the same rows, so a
shelter span in the data is always the eaves that the picture shows.

Building coordinates are pixels from the image's left edge (0..800)."""

from collections import namedtuple

Building = namedtuple("Building", "name shop door left right height")

# left/right: the drawn awning or eaves, which is exactly where it stays dry.
# A building without eaves has left == right == 0.
BUILDINGS = [
    Building("bakery",     1, 400, 120, 680, 700),   # 0
    Building("teashop",    1, 300,  40, 760, 620),   # 1
    Building("bookshop",   1, 560,  80, 720, 720),   # 2
    Building("florist",    1, 460,  60, 620, 660),   # 3
    Building("ramen",      1, 380, 100, 700, 640),   # 4
    Building("sweets",     1, 420,  20, 780, 680),   # 5
    Building("tofu",       1, 400, 200, 600, 600),   # 6
    Building("hardware",   1, 260,   0, 520, 660),   # 7
    Building("futon",      1, 600, 120, 760, 700),   # 8
    Building("fishmonger", 1, 300,  40, 740, 640),   # 9
    Building("apartment",  0, 400, 340, 460, 880),   # 10
    Building("parking",    0, 400,   0,   0, 560),   # 11
    Building("office",     0, 400, 300, 500, 880),   # 12
    Building("coffee",     1, 200,  60, 740, 680),   # 13
    Building("vending",    0, 620, 480, 760, 620),   # 14
    Building("laundry",    1, 400, 140, 660, 640),   # 15
]

# Tall buildings that fill the left edge of the street up to the top of the
# screen: the far background starts a little right of x 0 once the view
# scrolls, so the first column must hide that strip.
FIRST_COLUMN = (10, 12)

# One row per stage: the buildings column by column, the column of the goal
# shop, the difficulty shown on the board (1..5) and the board's comment rows.
# Column 0 is one of FIRST_COLUMN; column 1 is where the player waits for the
# fade, so it always shelters x 160; every street runs at least three columns
# past the goal so the stage-select preview, which puts the goal door at the
# screen's left edge, never runs out of street. Stages get longer and more
# open as they go: the first ones can be walked straight through, the last
# ones only with the help of passers-by (see resources/DIFFICULTY.md).
Stage = namedtuple("Stage", "row goal_col level comment")

STAGES = [
    Stage([12, 2, 1, 13, 3, 9], 2, 1, ['はじめての', 'おつかい', 'おちゃやさんまで']),
    Stage([10, 0, 5, 4, 2, 9, 4], 3, 1, ['ラーメンやさんの', 'ちょうちんが', 'めじるし']),
    Stage([10, 3, 8, 9, 15, 5], 2, 1, ['おふとんを', 'とりにいこう']),
    Stage([10, 3, 4, 5, 9, 7, 13], 3, 1, ['あまみやさんで', 'おだんごを', 'かってきて']),
    Stage([12, 13, 6, 9, 5, 4, 15], 3, 1, ['さかなやさんで', 'ゆうごはんの', 'おさかな']),
    Stage([10, 15, 6, 3, 1, 3, 8], 3, 1, ['おはなを', 'かいにいこう', 'とうふやさんの', 'のきはみじかい']),
    Stage([12, 7, 15, 9, 13, 2, 4, 0], 4, 2, ['きっさてんで', 'まってるって']),
    Stage([10, 4, 14, 9, 0, 7, 3, 1], 4, 2, ['やきたてパン', 'じはんきのやねも', 'つかえるよ']),
    Stage([10, 9, 5, 11, 2, 9, 3, 4], 4, 2, ['ちゅうしゃじょうは', 'やねがない', 'いっきにすすもう']),
    Stage([10, 8, 9, 10, 13, 15, 3, 1, 15], 5, 2, ['クリーニングやさんで', 'シャツを', 'うけとる']),
    Stage([10, 2, 1, 10, 2, 6, 13, 15, 3], 5, 2, ['とうふやさんは', 'のきがみじかい', 'きをつけて']),
    Stage([10, 8, 14, 1, 10, 7, 5, 8, 1], 5, 2, ['かなものやさんで', 'くぎをかうよ']),
    Stage([12, 8, 15, 13, 9, 11, 0, 6, 0, 2], 6, 3, ['あめのにおい', 'パンのにおい']),
    Stage([10, 2, 4, 2, 15, 11, 1, 15, 0, 15], 6, 3, ['ながいみち', 'あまやどりしながら', 'すすもう']),
    Stage([10, 1, 13, 0, 11, 6, 3, 15, 7, 0], 6, 3, ['ぎりぎり', 'たどりつける?']),
    Stage([10, 4, 7, 10, 15, 13, 0, 9, 8, 13, 0], 7, 3, ['マンションの', 'まえはぬれる', 'いそげ']),
    Stage([10, 13, 14, 4, 3, 6, 7, 8, 15, 1, 0], 7, 3, ['ふかふかの', 'おふとんまで', 'もうすこし']),
    Stage([12, 3, 9, 0, 15, 7, 11, 5, 3, 2, 3], 7, 3, ['おだんご', 'うりきれないうちに']),
    Stage([10, 15, 12, 15, 8, 1, 3, 14, 13, 2, 0, 15], 8, 4, ['かさのひとが', 'いればたすかる']),
    Stage([10, 8, 15, 12, 9, 12, 5, 14, 4, 6, 4, 8], 8, 4, ['かさにいれて', 'もらおう']),
    Stage([12, 7, 10, 7, 5, 4, 10, 13, 6, 3, 8, 1], 8, 4, ['おこらせないように', 'うしろから', 'ついていこう']),
    Stage([12, 0, 4, 14, 11, 5, 14, 8, 0, 2, 0, 2, 3], 9, 4, ['あめがつよく', 'なってきた']),
    Stage([10, 7, 12, 7, 2, 7, 6, 14, 8, 15, 0, 7, 9], 9, 4, ['ビルばかりの', 'まちなみ']),
    Stage([10, 4, 1, 10, 15, 6, 11, 12, 5, 7, 4, 6, 4], 9, 4, ['かさのひとを', 'のりついで']),
    Stage([12, 8, 2, 9, 14, 11, 12, 14, 7, 5, 3, 8, 3, 7], 10, 5, ['とおいとおい', 'はなやさん']),
    Stage([10, 4, 14, 11, 9, 3, 12, 2, 3, 14, 1, 6, 3, 15], 10, 5, ['くらくなるまえに', 'かえりたい']),
    Stage([12, 0, 4, 10, 8, 11, 0, 6, 4, 10, 9, 1, 15, 1], 10, 5, ['ずぶぬれ', 'かくご']),
    Stage([12, 9, 11, 9, 1, 7, 10, 3, 11, 5, 14, 0, 4, 5, 3], 11, 5, ['しょうてんがいの', 'いちばんおく']),
    Stage([12, 15, 7, 6, 2, 13, 11, 15, 10, 3, 11, 5, 4, 8, 1], 11, 5, ['アイアイガサの', 'たつじん', 'になれるかな']),
    Stage([10, 7, 0, 12, 8, 14, 1, 12, 3, 10, 12, 4, 3, 0, 2], 11, 5, ['さいごの', 'おつかい', 'あめあがりは', 'まだかな']),
]

# Stage 30 is played from the random board; it has no board line of its own.
RANDOM_STAGE = Stage([10, 15, 4, 9, 14, 5, 9, 6, 12, 8, 7, 15, 5], 9, 4, [])


def shop_index(row, col):
    """The goal as the stage file counts it: shops placed before the column."""
    return sum(1 for b in row[:col] if BUILDINGS[b].shop == 1)


BACKGROUND_COUNT = 5
FLOOR_COUNT = 4
