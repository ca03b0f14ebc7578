#!/usr/bin/env python3
"""Writes the demo data folder of ポムリナ: a couple, ポム and リナ, about four months into their diet.

Standard library only, and deterministic: the same script always writes the same bytes, so the
generated files can be kept in the repository and regenerated at will.

    python3 demo/generate_demo.py            # writes demo/data/
    python3 demo/generate_demo.py OUT_DIR    # writes somewhere else

Every file is written the way the program itself writes it: code page 932 (Shift_JIS) with CR LF
after every line.
"""

import datetime as dt
import math
import os
import random
import re
import sys

SEED = 20261206
LAST_DAY = dt.date(2026, 12, 6)
ENCODING = "cp932"
EOL = "\r\n"

SITUATIONS = ["起床後", "朝食前", "朝食後", "昼食後", "夕食前", "夕食後", "運動後", "入浴後", "就寝前"]

# How much heavier than right after getting up one usually is in each situation, in kg. Meals and
# drinks add weight during the day; exercise and a bath take a little off again.
SITUATION_OFFSET = {
    "起床後": 0.0,
    "朝食前": 0.1,
    "朝食後": 0.5,
    "昼食後": 0.8,
    "夕食前": 0.6,
    "夕食後": 1.1,
    "運動後": 0.3,
    "入浴後": 0.5,
    "就寝前": 0.8,
}

# The situations of one day, in the order they happen, with how often such a day occurs. Mornings
# and bedtimes are the usual pair; evening-only days (after dinner, then exercise or a bath) end
# lower than they began, which gives the calendar its green days.
DAY_PATTERNS = [
    (["起床後", "就寝前"], 12),
    (["起床後", "夕食後", "就寝前"], 6),
    (["起床後", "朝食後", "夕食後", "就寝前"], 5),
    (["起床後", "昼食後", "夕食前", "入浴後"], 4),
    (["起床後", "運動後"], 4),
    (["朝食前", "夕食前"], 4),
    (["夕食前", "入浴後"], 5),
    (["夕食後", "運動後"], 9),
    (["夕食後", "入浴後"], 8),
    (["夕食後", "入浴後", "就寝前"], 4),
    (["昼食後", "夕食前", "運動後"], 4),
    (["昼食後", "夕食後", "運動後", "入浴後"], 4),
    (["起床後", "朝食後", "昼食後", "夕食後"], 3),
    (["起床後"], 5),
]
SKIP_DAY_CHANCE = 0.07

# The days that carry a comment get situations that fit it.
MORNING_AND_NIGHT = ["起床後", "就寝前"]
BIG_DINNER = ["起床後", "夕食後", "就寝前"]


class Note:
    """A comment one partner left on one day: on which measurement of the day (an index, -1 for
    the last one), the text, how much heavier (or lighter) that measurement and the rest of the
    day are, and optionally the day's situations when the comment needs a particular one."""

    def __init__(self, where, text, extra=0.0, situations=None):
        self.where = where
        self.text = text
        self.extra = extra
        self.situations = situations


class Partner:
    def __init__(self, number, nickname, height, target, first_day, start_weight, end_weight,
                 start_fat, end_fat, swing, meal_effect, notes, milestone):
        self.number = number
        self.nickname = nickname
        self.height = height
        self.target = target
        self.first_day = first_day
        self.start_weight = start_weight
        self.end_weight = end_weight
        self.start_fat = start_fat
        self.end_fat = end_fat
        self.swing = swing              # day-to-day noise of the morning weight, kg
        self.meal_effect = meal_effect  # scales the situation offsets: a lighter body gains less
        self.notes = notes              # date -> Note
        self.milestone = milestone      # (weight, text): said on the first measurement below it


def number_text(value):
    """A number as the program writes it: at most one decimal here, no trailing zeros (64, 63.8)."""
    text = f"{value:.1f}"
    if text.endswith(".0"):
        text = text[:-2]
    if text == "-0":
        text = "0"
    return text


def quoted(text):
    return '"' + text + '"'


def measurement_line(day, situation, weight, comment, fat):
    return ",".join([
        quoted(day.strftime("%Y/%m/%d")),
        quoted(situation),
        number_text(weight),
        quoted(comment),
        number_text(fat),
        quoted(""),
    ])


def morning_weights(partner, rng):
    """The weight right after getting up, day by day: a descent that flattens out, plateaus that
    come and go, heavier weekends and the scale's day-to-day noise."""
    days = (LAST_DAY - partner.first_day).days + 1
    weights = []
    plateau = 0.0
    for i in range(days):
        day = partner.first_day + dt.timedelta(days=i)
        progress = (1.0 - math.exp(-2.2 * i / (days - 1))) / (1.0 - math.exp(-2.2))
        base = partner.start_weight - (partner.start_weight - partner.end_weight) * progress
        plateau = 0.85 * plateau + rng.gauss(0.0, 0.12)   # a random walk pulled back towards zero
        weekend = {5: 0.2, 6: 0.3, 0: 0.35}.get(day.weekday(), 0.0)   # Saturday, Sunday, Monday
        weights.append(base + plateau + weekend + rng.gauss(0.0, partner.swing))
    weights[0] = partner.start_weight
    return weights


def partner_lines(partner, rng):
    patterns = [p for p, _ in DAY_PATTERNS]
    pattern_weights = [w for _, w in DAY_PATTERNS]
    span = partner.start_weight - partner.end_weight
    lines = []
    carry = 0.0   # what a heavy evening leaves on the next morning
    milestone_weight, milestone_text = partner.milestone
    for i, morning in enumerate(morning_weights(partner, rng)):
        day = partner.first_day + dt.timedelta(days=i)
        note = partner.notes.get(day)
        if i == 0:
            situations = ["はじめの一歩", "就寝前"]
        elif note is None and rng.random() < SKIP_DAY_CHANCE:
            carry *= 0.5
            continue
        elif note is not None and note.situations:
            situations = note.situations
        else:
            situations = rng.choices(patterns, pattern_weights)[0]
        where = None
        if note is not None:
            where = note.where if note.where >= 0 else len(situations) - 1

        progress = min(1.05, max(0.0, (partner.start_weight - morning) / span))
        fat_base = partner.start_fat - (partner.start_fat - partner.end_fat) * progress
        for k, situation in enumerate(situations):
            weight = morning + carry + SITUATION_OFFSET.get(situation, 0.0) * partner.meal_effect
            weight += rng.gauss(0.0, 0.12)
            fat = fat_base + rng.gauss(0.0, 0.3)
            if situation in ("入浴後", "運動後"):
                fat -= 0.3   # the scale reads a little lower on warm, moist skin
            comment = ""
            if where is not None and k >= where:
                weight += note.extra
            if where == k:
                comment = note.text
            if i == 0 and k == 0:
                weight, fat = partner.start_weight, partner.start_fat
            if milestone_text and not comment and round(weight, 1) < milestone_weight:
                comment, milestone_text = milestone_text, ""
            lines.append(measurement_line(day, situation, round(weight, 1), comment, round(fat, 1)))
        carry = 0.5 * note.extra if note is not None and note.extra > 0 else 0.0
    return lines


def write_lines(folder, name, lines):
    with open(os.path.join(folder, name), "w", encoding=ENCODING, newline="") as f:
        for line in lines:
            f.write(line + EOL)


MEASUREMENT = re.compile(r'^"(\d{4}/\d{2}/\d{2})","([^"]+)",(\d+(?:\.\d+)?),"([^"]*)",(\d+(?:\.\d+)?),""$')


def check(folder):
    """Reads the written folder back the way the program does and stops on anything it would
    trip over: a line that is not a measurement, a date out of order, a lone line feed."""
    situations = None
    for name in sorted(os.listdir(folder)):
        raw = open(os.path.join(folder, name), "rb").read()
        assert raw.endswith(EOL.encode()), f"{name}: the last line has no CR LF"
        assert b"\n" not in raw.replace(b"\r\n", b"") and b"\r" not in raw.replace(b"\r\n", b""), \
            f"{name}: a line ends without CR LF"
        text = raw.decode(ENCODING)
        if name == "状況リスト.txt":
            situations = [line.strip('"') for line in text.split(EOL)[:-1]]
    for number in (1, 2):
        name = f"データ{number}.txt"
        lines = open(os.path.join(folder, name), "rb").read().decode(ENCODING).split(EOL)[:-1]
        previous = ""
        for index, line in enumerate(lines, start=1):
            match = MEASUREMENT.match(line)
            assert match, f"{name} line {index}: {line}"
            date, situation, weight, _comment, fat = match.groups()
            assert date >= previous, f"{name} line {index}: {date} comes after {previous}"
            expected = "はじめの一歩" if index == 1 else None
            assert situation == expected if expected else situation in situations, \
                f"{name} line {index}: unknown situation {situation}"
            for value in (weight, fat):
                assert not value.endswith("0") or "." not in value, f"{name} line {index}: {value}"
                assert len(value.replace(".", "")) <= 7, f"{name} line {index}: {value}"
            previous = date
        print(f"{name}: {len(lines)} measurements, {lines[0][1:11]} to {previous}")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")
    os.makedirs(out, exist_ok=True)
    rng = random.Random(SEED)

    d = dt.date
    pom = Partner(
        1, "ポム", 172, 66, d(2026, 8, 8), start_weight=72.0, end_weight=67.1,
        start_fat=26.0, end_fat=23.0, swing=0.25, meal_effect=1.0,
        notes={
            d(2026, 8, 15): Note(0, "一週間がんばった！", 0.0, MORNING_AND_NIGHT),
            d(2026, 8, 22): Note(-1, "飲み会で食べ過ぎ…", 1.2, BIG_DINNER),
            d(2026, 9, 5): Note(1, "焼肉食べ放題。明日から節制します", 1.0, BIG_DINNER),
            d(2026, 9, 13): Note(0, "体重計の電池交換", 0.0, MORNING_AND_NIGHT),
            d(2026, 9, 27): Note(1, "ジョギング30分", -0.3, ["起床後", "運動後", "就寝前"]),
            d(2026, 10, 31): Note(-1, "ハロウィンのお菓子をつまみ食い", 0.9, BIG_DINNER),
            d(2026, 11, 21): Note(-1, "また飲み会…", 1.1, BIG_DINNER),
            d(2026, 12, 5): Note(0, "目標まであと１Kgくらい", -0.2, MORNING_AND_NIGHT),
        },
        milestone=(70.0, "ついに70Kg切った！"))
    rina = Partner(
        2, "リナ", 158, 52, d(2026, 8, 11), start_weight=58.0, end_weight=54.6,
        start_fat=30.0, end_fat=27.5, swing=0.2, meal_effect=0.75,
        notes={
            d(2026, 8, 18): Note(0, "一週間がんばった！", 0.0, MORNING_AND_NIGHT),
            d(2026, 8, 22): Note(-1, "飲み会で食べ過ぎ…", 0.8, BIG_DINNER),
            d(2026, 9, 13): Note(0, "体重計の電池交換", 0.0, MORNING_AND_NIGHT),
            d(2026, 9, 20): Note(-1, "ケーキバイキング…明日からがんばる", 0.9, BIG_DINNER),
            d(2026, 10, 4): Note(1, "ヨガ始めました", -0.2, ["起床後", "運動後", "入浴後"]),
            d(2026, 10, 24): Note(0, "停滞期かな？", 0.0, MORNING_AND_NIGHT),
            d(2026, 11, 29): Note(-1, "鍋パーティー", 0.7, BIG_DINNER),
        },
        milestone=(56.0, "55Kg台に突入！"))

    for partner in (pom, rina):
        write_lines(out, f"データ{partner.number}.txt", partner_lines(partner, rng))
        # The profile files are named in half-width katakana, as the program names them.
        write_lines(out, f"ﾌﾟﾗｲﾍﾞｰﾄ{partner.number}.txt", [
            f'"氏名","{partner.nickname}"',
            f'"身長",{number_text(partner.height)}',
            f'"目標体重",{number_text(partner.target)}',
        ])

    write_lines(out, "状況リスト.txt", [quoted(s) for s in SITUATIONS])
    write_lines(out, "設定.txt", ['"ヘルプツアー",0'])   # the demo starts quietly, without the tour
    write_lines(out, "体重計刻み.txt", ["0.1", "0.1"])
    write_lines(out, "移動平均.txt", ["10"])
    write_lines(out, "自動時間.txt", [" 0 "])
    write_lines(out, "マーカー.txt", ["1"])
    write_lines(out, "気付きメモ.txt", [
        "体重計には毎朝起きてすぐ、トイレのあとに乗る。",
        "夜９時以降は食べない！",
        "お菓子は小皿に取り分けて、袋から直接食べない。",
        "週末は二人で１時間ウォーキング。",
    ])
    check(out)


if __name__ == "__main__":
    main()
