#!/usr/bin/env python3
"""Writes the sample data in GBK: hanlex.tab, phrases.txt and listing.txt, beside this script.

The table's characters and syllables were chosen for the examples: a few dozen syllables across
several letters, and characters that stand in two syllables' lists (行 hang/xing, 长 chang/zhang,
重 chong/zhong, 乐 le/yue, 还 hai/huan, 了 le/liao).
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))

# Syllables in letter order: each letter's syllables form one run of lines.
DICTIONARY = [
    "# a",
    ("a", "啊阿"), ("ai", "爱哀矮"), ("an", "安按暗"),
    "# b",
    ("ba", "八把爸吧"), ("bai", "白百败"), ("bei", "北被杯"),
    "# c, d",
    ("chang", "长常场唱"), ("chong", "重虫冲"), ("da", "大打达"), ("de", "的得德"),
    "# g, h",
    ("guo", "国果过"), ("hai", "还海孩"), ("hang", "行航"), ("hao", "好号"), ("he", "和河喝"),
    ("huan", "还欢换"),
    "# l, m, n, r, s, t",
    ("le", "了乐"), ("liao", "了料"), ("mei", "美没每"), ("men", "们门"), ("ni", "你泥"),
    ("ren", "人认"), ("sheng", "生声省"), ("shi", "是时十市"), ("ta", "他她它"),
    "# w, x, y, z",
    ("wo", "我握"), ("xing", "行星姓兴"), ("xue", "学雪"), ("yin", "银音因"), ("yue", "月乐越"),
    ("zai", "在再"), ("zhang", "长张章"), ("zhong", "中重钟种"),
]

PUNCTUATION = [(",", "，"), (".", "。"), ("?", "？"), ("!", "！")]

# Bare phrases: compiled, echoed (a character without a syllable: 京, 天; a character with two:
# 行, 长, 乐) and dropped (more than 8 characters).
PHRASES = ["你好", "中国", "学生", "我们", "大海", "美国", "北京", "银行", "长大", "音乐",
           "白天", "我们是中国人我们是学生", "好人"]

# A syllable listing: good lines, and lines that are echoed (a syllable not in the table, fewer
# syllables than characters, a capital letter).
LISTING = ["银行\tyin hang", "音乐  yin yue", "长大\tzhang da", "北京\tbei jing", "你好\tni",
           "学生\tXue sheng", "中国\tzhong guo"]


def table():
    lines = ["# Syllable table of the phrasetools examples.", "", "[PUNCTUATION]"]
    lines += ["%s %s" % pair for pair in PUNCTUATION]
    lines += ["", "[DICTIONARY]"]
    lines += [e if isinstance(e, str) else "%s %s" % e for e in DICTIONARY]
    return "\r\n".join(lines) + "\r\n"


def write(name, text):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(text.encode("gbk"))


def main():
    write("hanlex.tab", table())
    write("phrases.txt", "".join(p + "\n" for p in PHRASES))
    write("listing.txt", "".join(line + "\n" for line in LISTING))


if __name__ == "__main__":
    main()
