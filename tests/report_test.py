#!/usr/bin/env python3
# SPDX-License-Identifier: AGPL-3.0-or-later
"""The saved report read back from the PDF's own text positions
(pdftotext -bbox): its pages and their numbers, the order of its sections,
and every table's columns starting at one x.

    report_test.py PATH_TO_VELMORA_CHART
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

TOOL = None
CLIENTS = ("name,sex,date,time,correction,longitude,hemisphere,place,zone,notes\n"
           "Иванова Анна,ж,15.07.1985,10:00,,049:07,E,Казань,Europe/Moscow,\n")
WORD = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>')


def pages_of(pdf):
    """Each page as its lines, top to bottom; a line is its words as
    (x, text), left to right."""
    html = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True, check=True).stdout
    pages = []
    for page in html.split("<page ")[1:]:
        lines = {}
        for x, y, text in WORD.findall(page):
            lines.setdefault(round(float(y), 1), []).append((float(x), text))
        pages.append([sorted(words) for _, words in sorted(lines.items())])
    return pages


def starts(line):
    return [x for x, _ in line]


class Report(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp()
        env = dict(os.environ, XDG_DATA_HOME=cls.folder, HOME=cls.folder, LANG="C.UTF-8")
        csv = os.path.join(cls.folder, "clients.csv")
        with open(csv, "w", encoding="utf-8") as out:
            out.write(CLIENTS)
        subprocess.run([TOOL, "--import-clients", csv], env=env, check=True, capture_output=True)
        cls.pdf = os.path.join(cls.folder, "report.pdf")
        subprocess.run([TOOL, "--client", "Иванова Анна", "--luck", "--reading", "--days", "01.03.2027",
                        "31.03.2027", "--pdf", cls.pdf], env=env, check=True, capture_output=True)
        cls.pages = pages_of(cls.pdf)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder)

    def lines(self):
        return [line for page in self.pages for line in page]

    def texts(self):
        return [" ".join(text for _, text in line) for line in self.lines()]

    def test_pages_are_numbered_at_the_foot(self):
        count = len(self.pages)
        self.assertGreaterEqual(count, 3)
        for number, page in enumerate(self.pages, 1):
            self.assertEqual(" ".join(text for _, text in page[-1]), f"стр. {number} из {count}")

    def test_the_client_stands_above_the_chart_and_the_place_under_it(self):
        first = [" ".join(text for _, text in line) for line in self.pages[0]]
        self.assertEqual(first[0], "Клиент: Иванова Анна")
        self.assertIn("Час День Месяц Год", first[1:3])
        self.assertIn("15.07.1985 10:00", first[1:3])
        self.assertIn("Место: Казань, поправка +4, долгота 049:07E", first)

    def test_sections_follow_in_order(self):
        texts = self.texts()
        order = [texts.index(title) for title in ("Разбор карты", "Господин дня: Инь Дерево", "Такты удачи",
                                                   "Гуа 9, восточная группа",
                                                   "Календарь дней с 01.03.2027 по 31.03.2027")]
        self.assertEqual(order, sorted(order))
        self.assertTrue(any(t.startswith("Годы такта ") for t in texts))
        self.assertIn("Благоприятные В ЮВ С Ю", texts)
        self.assertIn("Неблагоприятные СВ З ЮЗ СЗ", texts)

    def assert_columns(self, headings, row_start):
        """Under each line made of the table's headings (each column's first
        word), every line whose first word matches row_start carries a word
        at each heading's x; on every page. Returns the rows checked."""
        checked = 0
        for page in self.pages:
            header = None
            for line in page:
                words = [t for _, t in line]
                if words[0] == headings[0] and all(h in words for h in headings):
                    header = [line[words.index(h)][0] for h in headings]
                elif header and re.fullmatch(row_start, words[0]):
                    for x in header:
                        self.assertTrue(any(abs(x - mine) < 0.01 for mine in starts(line)), (x, line))
                    checked += 1
        return checked

    def test_every_column_starts_at_one_x(self):
        # The days: date, weekday, day pillar, star, officer, mansion, clash.
        days = ["Дата", "Дн", "Столп", "Звезда", "Офицер", "Созвездие", "Столкн."]
        self.assertEqual(self.assert_columns(days, r"\d\d\.03\.2027"), 31)
        # The luck pillars and the years of the present one.
        self.assertEqual(self.assert_columns(["Возраст", "Годы", "Ствол", "Ветвь"], r"\d+-\d+"), 10)
        self.assertEqual(self.assert_columns(["Год", "Ствол", "Ветвь"], r"\d{4}"), 10)
        # The reading's heading row stands over its cells: the stage row
        # holds one word at each pillar's x.
        header = next(line for line in self.lines() if [t for _, t in line] == ["Час", "День", "Месяц", "Год"]
                      and line[0][0] > 60)
        stages = next(line for line in self.lines() if line[0][1] == "Фаза")
        self.assertEqual([x for x, _ in stages][2:], starts(header))


if __name__ == "__main__":
    TOOL = sys.argv.pop(1)
    if not shutil.which("pdftotext"):
        print("pdftotext (poppler-utils) is not installed")
        sys.exit(77)
    unittest.main()
