#!/usr/bin/env python3
"""Writes the example project beside this script: a 40 x 25 level drawn with
a small tileset of its own (bricks, a ladder, water, grass, a coin, a font).

    python3 examples/make-example.py

The members are named as the editor names a project's members, and the
project file records them relative to itself, so the folder can move."""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
NAME = "Example"
COLS, ROWS = 256, 128  # every datamap and datatype file holds this many cells
WIDTH, HEIGHT = 40, 25

# Palette indices of the editor's built-in palette.
BLACK, WHITE, RED, CYAN, PURPLE, GREEN, BLUE, YELLOW = range(8)
ORANGE, BROWN, LIGHT_RED, DARK_GREY, GREY, LIGHT_GREEN, LIGHT_BLUE, LIGHT_GREY = range(8, 16)

# Level tiles: (map symbol, tile number, colour, datatype tag, eight rows).
LEVEL_TILES = [
    (" ", 0, BLACK, 0, ["........"] * 8),
    ("#", 1, RED, 1, ["#######.",
                      "#######.",
                      "#######.",
                      "........",
                      "###.####",
                      "###.####",
                      "###.####",
                      "........"]),
    ("H", 2, LIGHT_GREY, 2, [".#....#.",
                             ".######.",
                             ".#....#.",
                             ".#....#.",
                             ".######.",
                             ".#....#.",
                             ".#....#.",
                             ".######."]),
    ("~", 3, CYAN, 3, ["........",
                       ".##...##",
                       "#..#.#..",
                       "....#...",
                       "........",
                       "##...##.",
                       "..#.#..#",
                       "...#...."]),
    ("w", 4, BLUE, 3, ["########",
                       "#.######",
                       "########",
                       "#####.##",
                       "########",
                       "##.#####",
                       "########",
                       "######.#"]),
    ('"', 5, GREEN, 1, ["#.#.#.#.",
                        "########",
                        "########",
                        ".#.##.#.",
                        "..#..#..",
                        "........",
                        "........",
                        "........"]),
    ("%", 6, BROWN, 1, ["#.###.##",
                        "########",
                        "##.#####",
                        "#####.##",
                        ".#######",
                        "####.###",
                        "##.#####",
                        "######.#"]),
    ("o", 7, YELLOW, 4, ["........",
                         "..####..",
                         ".##..##.",
                         ".#.##.#.",
                         ".#.##.#.",
                         ".##..##.",
                         "..####..",
                         "........"]),
    ("^", 8, WHITE, 5, ["........",
                        "........",
                        "...#....",
                        "...#...#",
                        "#..#...#",
                        "#.###.##",
                        "########",
                        "########"]),
    ("=", 9, GREY, 1, ["########",
                       "#......#",
                       "#.####.#",
                       "#.#..#.#",
                       "#.#..#.#",
                       "#.####.#",
                       "#......#",
                       "########"]),
    ("@", 10, LIGHT_GREEN, 6, ["...##...",
                               "...##...",
                               ".######.",
                               "#.####.#",
                               "..####..",
                               "..#..#..",
                               "..#..#..",
                               ".##..##."]),
    ("F", 11, LIGHT_RED, 7, ["##......",
                             "#####...",
                             "########",
                             "#####...",
                             "##......",
                             "#.......",
                             "#.......",
                             "#......."]),
    (".", 12, DARK_GREY, 0, ["........",
                             "........",
                             "........",
                             "...#....",
                             "..###...",
                             "...#....",
                             "........",
                             "........"]),
]

# A font of 5 x 7 letters, each at the tile of its character code.
FONT = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "J": ["..###", "...#.", "...#.", "...#.", "#..#.", "#..#.", ".##.."],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["####.", "....#", "....#", ".###.", "....#", "....#", "####."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "6": ["..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."],
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "8": [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."],
    "!": ["..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."],
    ":": [".....", "..#..", "..#..", ".....", "..#..", "..#..", "....."],
    "-": [".....", ".....", ".....", "#####", ".....", ".....", "....."],
}

# The level, one symbol a cell; text rows are written over it below.
LEVEL = [
    "                                        ",
    "                                        ",
    "                                        ",
    "========================================",
    "=  .          .           .        .   =",
    "=                                    F =",
    "=   o o o               .       ########",
    "=  ########H     .           o o   H   =",
    "=          H        ##########H    H   =",
    "=   .      H   o o            H    H   =",
    "=          H  #####H          H    H . =",
    "=  .       H       H    o o   H    H   =",
    "=######    H       H  #########    H   =",
    "=     H    H  .    H               H   =",
    "=     H    H       H        .      H   =",
    "=     H  o o o     H   o o o       H   =",
    "=     H #######    H  #######  ######  =",
    "=     H            H                   =",
    "= @   H    o o     H        o o o      =",
    '""""""""""^^^"""""""~~~~~~~~""""""""""""',
    "%%%%%%%%%%%%%%%%%%%%wwwwwwww%%%%%%%%%%%%",
    "%%%%%%%%%%%%%%%%%%%%wwwwwwww%%%%%%%%%%%%",
    "========================================",
    "                                        ",
    "                                        ",
]
TEXT = [(1, "MOSAICWRIGHT EXAMPLE"), (23, "BRICKS LADDERS WATER AND COINS!")]


def glyph_rows(rows):
    """Eight bytes, bit 7 the leftmost pixel; a 5 x 7 letter sits one pixel in."""
    if len(rows) == 7:
        rows = ["." + r + ".." for r in rows] + ["........"]
    return [int(r.ljust(8, ".").replace("#", "1").replace(".", "0"), 2) for r in rows]


def build():
    tiles = bytearray(2048)
    colours = bytearray([1] * 256)
    tag_of, tile_of = {}, {}
    for symbol, tile, colour, tag, rows in LEVEL_TILES:
        tiles[8 * tile:8 * tile + 8] = bytes(glyph_rows(rows))
        colours[tile] = colour
        tile_of[symbol], tag_of[tile] = tile, tag
    for char, rows in FONT.items():
        tiles[8 * ord(char):8 * ord(char) + 8] = bytes(glyph_rows(rows))
        colours[ord(char)] = WHITE if char.isalpha() else YELLOW
    colours[ord(" ")] = WHITE

    cells, tags = bytearray(COLS * ROWS), bytearray(COLS * ROWS)
    assert len(LEVEL) == HEIGHT
    for y, line in enumerate(LEVEL):
        assert len(line) == WIDTH, (y, len(line))
        for x, symbol in enumerate(line):
            cells[x + COLS * y] = tile_of[symbol]
            tags[x + COLS * y] = tag_of[tile_of[symbol]]
    for y, text in TEXT:
        left = (WIDTH - len(text)) // 2
        for i, char in enumerate(text):
            cells[left + i + COLS * y] = ord(char)
            tags[left + i + COLS * y] = 0

    # Tileset and datamap both load at $3000, so that either sets the
    # address the other is saved with.
    files = {
        "TILE": bytes([0x00, 0x30]) + bytes(tiles),
        "MWRT": bytes([0x00, 0x30, WIDTH, HEIGHT]) + bytes(cells),
        "CMAP": bytes([0x00, 0xC0]) + bytes(colours),
        "TYPE": bytes(tags),
    }
    lines = ["[Files]"]
    for tag in ("MWRT", "TYPE", "TILE", "CMAP"):
        member = f"{tag}.{NAME}.PRG"
        with open(os.path.join(HERE, member), "wb") as f:
            f.write(files[tag])
        lines.append(f"{tag}={member}")
    with open(os.path.join(HERE, NAME + ".mwj"), "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    build()
