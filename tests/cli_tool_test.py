#!/usr/bin/env python3
# SPDX-License-Identifier: AGPL-3.0-or-later
"""velmora-chart as scripts meet it: failed writes and reads, and its CSV and
JSON output read back by Python's own csv and json modules.

    cli_tool_test.py PATH_TO_VELMORA_CHART
"""

import csv
import io
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

TOOL = None

GOOD = b"01.01.2000,12:00,0,000:00,E"
GOOD_COLUMNS = ["01.01.2000", "12:00", "0", "000:00", "E",
                "ЗЕМ ОГО", "ЗЕМ ОГО", "ОГО ВОД", "зем дер", "957813462", "624579138"]


def run(args, stdin=b"", stdout=subprocess.PIPE, lang="C.UTF-8"):
    """The tool's run under the locale lang, whatever the caller's."""
    env = {k: v for k, v in os.environ.items() if k not in ("LC_ALL", "LC_MESSAGES", "LANGUAGE")}
    env["LANG"] = lang
    return subprocess.run([TOOL, *args], input=stdin if isinstance(stdin, bytes) else None,
                          stdin=None if isinstance(stdin, bytes) else stdin,
                          stdout=stdout, stderr=subprocess.PIPE, check=False, env=env)


def printable(line):
    """The echo the tool promises: U+FFFD for each maximal ill-formed
    subsequence (Python's decoder follows the same Unicode practice) and for
    control characters other than tab."""
    text = line.decode("utf-8", "replace")
    return "".join("\ufffd" if (ord(c) < 0x20 and c != "\t") or c == "\x7f" else c for c in text)


class FailedInputOutput(unittest.TestCase):
    def assert_failure(self, result, message):
        self.assertEqual(result.returncode, 1)
        stderr = result.stderr.decode()
        self.assertEqual(stderr.count("\n"), 1, stderr)
        self.assertIn(message, stderr)

    def test_single_chart_into_a_full_device(self):
        with open("/dev/full", "wb") as full:
            result = run(["01.01.2000", "12:00"], stdout=full)
        self.assert_failure(result, "velmora-chart: cannot write the output: no space left on the device")

    def test_batch_into_a_full_device(self):
        with open("/dev/full", "wb") as full:
            result = run(["--batch", "--json"], stdin=(GOOD + b"\n") * 5000, stdout=full)
        self.assert_failure(result, "cannot write the output: no space left on the device")

    def test_standard_input_a_directory(self):
        with tempfile.TemporaryDirectory() as folder:
            fd = os.open(folder, os.O_RDONLY)
            try:
                result = run(["--batch"], stdin=fd)
            finally:
                os.close(fd)
        self.assert_failure(result, "velmora-chart: cannot read the input: it is a folder")
        self.assertEqual(result.stdout, b"")

    def test_batch_with_a_correction_is_a_usage_error(self):
        result = run(["--batch", "--correction", "3"], stdin=GOOD + b"\n")
        self.assertEqual(result.returncode, 2)
        self.assertEqual(result.stdout, b"")


    def test_a_file_gets_the_name_asked_for_or_none(self):
        """Two names that are not UTF-8 never end up as one file."""
        with tempfile.TemporaryDirectory() as folder:
            names = [os.path.join(folder.encode(), b"caf\xe9.pdf"), os.path.join(folder.encode(), b"caf\xe8.pdf")]
            for name in names:
                result = run(["01.01.2000", "12:00", "--pdf", name])
                self.assertEqual(result.returncode, 1)
                self.assertIn("invalid file name (not UTF-8)", result.stderr.decode())
            self.assertEqual(os.listdir(folder.encode()), [])

    def test_unknown_zones_are_errors_with_a_hint(self):
        for zone in ["MSK", "Moscow", "MSK3", "XYZ-99"]:
            result = run(["15.07.1985", "10:00", "--tz", zone, "--longitude", "037:37E"])
            self.assertEqual(result.returncode, 1, zone)
            self.assertIn('use a name such as "Europe/Moscow"', result.stderr.decode())
            self.assertEqual(result.stdout, b"")
        lines = run(["--batch"], stdin=b"15.07.1985,10:00,MSK,037:37,E\n").stdout.decode().splitlines()
        self.assertEqual(len(lines), 1)
        self.assertIn(",error,\"unknown time zone", lines[0])


class Languages(unittest.TestCase):
    """Messages in English, or in Russian under a Russian locale; never both
    in one line, apart from the program's name, options and quoted names."""
    CASES = [
        (["15.07.1985", "10:00", "--tz", "MSK"], 1,
         'unknown time zone "MSK"', "неизвестный часовой пояс «MSK»"),
        (["15.07.1985", "10:00", "--place", "Ленинградск"], 1,
         'no place is named "Ленинградск"; did you mean: "Ленинградская',
         "нет места с названием «Ленинградск»; возможно, имелось в виду: «Ленинградская"),
        (["01.01.2000", "12:00", "--pdf", "/nonexistent/chart.pdf"], 1,
         'Cannot save the file "/nonexistent/chart.pdf": the folder "/nonexistent" does not exist.',
         "Не удалось сохранить файл «/nonexistent/chart.pdf»: папка «/nonexistent» не существует."),
        (["31.02.2023", "12:00"], 1, 'date "31.02.2023" does not exist', "даты «31.02.2023» не существует"),
        (["01.01.2000", "12:00", "--fold", "maybe"], 2,
         '--fold takes "earlier" or "later"', "--fold принимает «earlier» или «later»"),
        (["01.01.2000"], 2, "expected a date and a time", "нужны дата и время"),
    ]
    ALLOWED = re.compile(r'^velmora-chart: |"[^"]*"|«[^»]*»|--[a-z]+')

    def assert_one_language(self, line, russian):
        rest = self.ALLOWED.sub(" ", line)
        self.assertIsNone(re.search("[A-Za-z]" if russian else "[А-Яа-яЁё]", rest), line)
        if russian:
            self.assertRegex(rest, "[А-Яа-яЁё]", line)

    def test_messages_and_usage_errors(self):
        for args, status, english, russian in self.CASES:
            for lang, expected in (("C.UTF-8", english), ("ru_RU.UTF-8", russian)):
                with self.subTest(args=args, lang=lang):
                    result = run(args, lang=lang)
                    lines = result.stderr.decode().splitlines()
                    self.assertEqual(result.returncode, status)
                    self.assertIn(expected, lines[0])
                    # A usage error: the problem and where to read more, nothing else.
                    hint = ["Try 'velmora-chart --help'.", "Подробнее: «velmora-chart --help»."][lang != "C.UTF-8"]
                    self.assertEqual(lines[1:], [hint] if status == 2 else [])
                    for line in lines:
                        self.assert_one_language(line, lang != "C.UTF-8")


class CsvOutput(unittest.TestCase):
    LINES = [
        GOOD,
        b'"quoted",12:00,0,000:00,E',
        b"01.01.2000,12:00,5,060:36,E,extra,\"x\"",
        b"01.01.2000,12:00",
        b"31.02.2023,12:00,5,060:36,E",
        b"01.01.24,12:00,5,060:36,E",
        b"01.01.2000,12:00,5,060:36,\xd0\x95",
        b"a\xed\xa0\x80,b\xc0\xaf\x01,\xe2\x82,\xff\"\",\xf4\x90\x80\x80",
        b"1" * 5000,
    ]

    def setUp(self):
        data = b"\xef\xbb\xbf" + b"\r\n".join(self.LINES) + b"\n"
        result = run(["--batch", "--header"], stdin=data)
        self.assertEqual(result.returncode, 1)
        # Strict decoding: any ill-formed byte fails the test here.
        self.rows = list(csv.reader(io.StringIO(result.stdout.decode("utf-8", "strict"), newline="")))

    def test_header_and_one_row_a_case(self):
        self.assertEqual(self.rows[0], ["date", "time", "correction", "longitude", "hemisphere",
                                        "hour", "day", "month", "year", "year_square", "month_square"])
        self.assertEqual(len(self.rows), 1 + len(self.LINES))
        self.assertEqual(self.rows[1], GOOD_COLUMNS)

    def test_error_rows_echo_the_five_fields_as_read(self):
        for line, row in zip(self.LINES[1:-1], self.rows[2:-1]):
            self.assertEqual(len(row), 7, row)
            self.assertEqual(row[5], "error")
            self.assertEqual(",".join(row[:5]).rstrip(","), printable(line).rstrip(","))
        self.assertIn("hemisphere \"Е\" is not E or W", self.rows[7][6])
        self.assertIn("year \"24\"", self.rows[6][6])

    def test_a_line_over_the_limit_names_it(self):
        row = self.rows[-1]
        self.assertEqual(row[5:], ["error", "line is longer than 1000 bytes"])
        self.assertEqual(row[0], "1" * 1000)


class JsonOutput(unittest.TestCase):
    def test_every_line_is_strict_json(self):
        data = b"\n".join(CsvOutput.LINES) + b"\n"
        result = run(["--batch", "--json"], stdin=data)
        lines = result.stdout.decode("utf-8", "strict").splitlines()
        self.assertEqual(len(lines), len(CsvOutput.LINES))
        for source, line in zip(CsvOutput.LINES, lines):
            value = json.loads(line)
            self.assertEqual(list(value)[0], "input")
            if "error" in value:
                self.assertEqual(list(value), ["input", "error"])
                if len(source) <= 1000:
                    self.assertEqual(value["input"], printable(source))
        self.assertEqual(json.loads(lines[0])["pillars"]["hour"], ["ЗЕМ", "ОГО"])

    def test_luck_object_single_and_batch(self):
        """The same luck object from --luck and from a sixth batch field;
        CSV refuses the field, naming --json."""
        single = json.loads(run(["15.07.1985", "10:00", "--correction", "4", "--longitude", "049:07E",
                                 "--luck", "ж", "--json"]).stdout)
        batch = run(["--batch", "--json"], stdin=b"15.07.1985,10:00,4,049:07,E,female\n").stdout
        luck = single["luck"]
        self.assertEqual(json.loads(batch)["luck"], luck)
        self.assertEqual(list(luck), ["direction", "start", "startMoment", "pillars", "gua"])
        self.assertEqual(luck["direction"], "forward")
        self.assertEqual(sorted(luck["start"]), ["days", "hours", "months", "years"])
        self.assertEqual(len(luck["pillars"]), 10)
        first = luck["pillars"][0]
        self.assertEqual(len(first["years"]), 10)
        self.assertEqual(first["years"][0]["year"], first["fromYear"])
        self.assertEqual(luck["pillars"][1]["fromAge"], first["fromAge"] + 10)
        self.assertEqual(luck["gua"]["number"], 9)
        self.assertEqual(luck["gua"]["group"], "east")
        csv_line = run(["--batch"], stdin=b"15.07.1985,10:00,4,049:07,E,female\n")
        self.assertEqual(csv_line.returncode, 1)
        self.assertIn("--json", csv_line.stdout.decode())


class ReadingOutput(unittest.TestCase):
    def test_reading_object_single_and_batch(self):
        """The same reading object from a single chart and from each batch
        line; the text after the luck pillars; usage errors where it cannot
        apply."""
        case = ["15.07.1985", "10:00", "--correction", "4", "--longitude", "049:07E"]
        single = json.loads(run(case + ["--luck", "male", "--reading", "--json"]).stdout)
        self.assertEqual(list(single)[-3:], ["luck", "reading", "nearestChange"])
        reading = single["reading"]
        self.assertEqual(list(reading), ["dayMaster", "pillars", "void", "relations", "stars", "elements"])
        self.assertEqual(reading["dayMaster"], "Инь Дерево")
        self.assertEqual(list(reading["pillars"]), ["hour", "day", "month", "year"])
        hour = reading["pillars"]["hour"]
        self.assertEqual(list(hour), ["stem", "stemName", "branch", "branchName", "god", "hidden", "stage",
                                      "nayin", "void"])
        self.assertEqual((hour["stemName"], hour["branchName"], hour["god"]), ("Инь Металл", "Змея", "Семь убийств"))
        self.assertEqual(hour["hidden"][0], {"stem": "ОГО", "name": "Ян Огонь", "god": "Ранящий чиновник"})
        self.assertIsNone(reading["pillars"]["day"]["god"])
        self.assertEqual(reading["void"], {"day": ["Крыса", "Бык"], "year": ["Собака", "Свинья"]})
        self.assertEqual(list(reading["elements"]["visible"]), ["Дерево", "Огонь", "Земля", "Металл", "Вода"])
        for star in reading["stars"]:
            self.assertIn(star["from"], ["dayStem", "yearStem", "dayBranch", "yearBranch", "monthBranch"])
        batch = run(["--batch", "--json", "--reading"], stdin=b"15.07.1985,10:00,4,049:07,E\n").stdout
        self.assertEqual(json.loads(batch)["reading"], reading)
        text = run(case + ["--luck", "male", "--reading"]).stdout.decode()
        self.assertLess(text.index("Гуа"), text.index("\nРазбор карты\nГосподин дня: Инь Дерево\n"))
        self.assertRegex(text, "Благоприятные направления: [СЮВЗ]")
        self.assertEqual(run(["--batch", "--reading"], stdin=b"").returncode, 2)
        self.assertEqual(run(case + ["--reading", "--around", "5"]).returncode, 2)


class ClientFileCommands(unittest.TestCase):
    """The tool on a client file of its own, in a fresh XDG_DATA_HOME."""
    HEADER = b"name,sex,date,time,correction,longitude,hemisphere,place,zone,notes\n"
    ROWS = (b'\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd\xd0\xbe\xd0\xb2\xd0\xb0 \xd0\x90\xd0\xbd\xd0\xbd\xd0\xb0,'
            b'\xd0\xb6,15.07.1985,10:00,,049:07,E,"Kazan, Tatarstan",Europe/Moscow,"one, ""two""\nthree"\n'
            b"Petrov,,01.01.2000,12:00,5:30,060:36,E,,,\n")

    def setUp(self):
        self.home = tempfile.TemporaryDirectory()
        self.saved = os.environ.get("XDG_DATA_HOME")
        os.environ["XDG_DATA_HOME"] = self.home.name

    def tearDown(self):
        if self.saved is None:
            del os.environ["XDG_DATA_HOME"]
        else:
            os.environ["XDG_DATA_HOME"] = self.saved
        self.home.cleanup()

    def write(self, name, data):
        path = os.path.join(self.home.name, name)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def test_import_list_chart_export(self):
        bad = self.write("bad.csv", self.HEADER + self.ROWS + b"X,q,32.01.2000,10:00,,049:07,E,,,\nY,,01.01.2000,1:00,3,049:07,E,,,\n")
        result = run(["--import-clients", bad])
        self.assertEqual(result.returncode, 1)
        self.assertIn("line 5:", result.stderr.decode())
        self.assertIn("line 6:", result.stderr.decode())
        self.assertEqual(run(["--clients"]).stdout, b"", "a bad file imports nothing")

        good = self.write("good.csv", self.HEADER + self.ROWS)
        self.assertEqual(run(["--import-clients", good]).returncode, 0)
        listed = [json.loads(line) for line in run(["--clients", "--json"]).stdout.splitlines()]
        self.assertEqual([c["name"] for c in listed], ["Petrov", "Иванова Анна"])
        self.assertEqual(list(listed[0]), ["id", "name", "sex", "date", "time", "correction", "longitude",
                                           "hemisphere", "place", "zone", "notes"])
        self.assertEqual(listed[1]["notes"], 'one, "two"\nthree')
        self.assertEqual(run(["--export-clients"]).stdout, self.HEADER + self.ROWS[self.ROWS.index(b"Petrov"):]
                         + self.ROWS[:self.ROWS.index(b"Petrov")])

        typed = json.loads(run(["15.07.1985", "10:00", "--tz", "Europe/Moscow", "--longitude", "049:07E",
                                "--luck", "female", "--json"]).stdout)
        stored = json.loads(run(["--client", "Иванова Анна", "--luck", "--json"]).stdout)
        by_id = json.loads(run(["--client", str(listed[1]["id"]), "--luck", "--json"]).stdout)
        for key in ("pillars", "yearSquare", "monthSquare", "luck"):
            self.assertEqual(stored[key], typed[key], key)
            self.assertEqual(by_id[key], typed[key], key)
        self.assertEqual(run(["--client", "Petrov", "--luck"]).returncode, 1, "no sex stored")
        self.assertEqual(run(["--client", "Nobody"]).returncode, 1)
        run(["--import-clients", self.write("twin.csv", self.HEADER + b"Petrov,,02.02.2002,12:00,3,037:37,E,,,\n")])
        twins = run(["--client", "Petrov"])
        self.assertEqual(twins.returncode, 1)
        self.assertIn("give the id", twins.stderr.decode())

    def test_a_damaged_file_is_named_and_left_alone(self):
        folder = os.path.join(self.home.name, "velmora")
        os.makedirs(folder)
        damaged = self.write("velmora/clients.sqlite", b"SQLite format 3\x00" + b"\xff" * 4000)
        result = run(["--clients"])
        self.assertEqual(result.returncode, 1)
        self.assertIn("clients.sqlite", result.stderr.decode())
        self.assertIn(".recover", result.stderr.decode())
        with open(damaged, "rb") as f:
            self.assertEqual(f.read(), b"SQLite format 3\x00" + b"\xff" * 4000)


class AroundOutput(unittest.TestCase):
    def test_ranges_follow_each_other_and_the_single_chart_keeps_its_keys(self):
        case = ["15.07.1985", "11:40", "--correction", "4", "--longitude", "049:07E", "--json"]
        ranges = json.loads(run(case + ["--around", "60"]).stdout)["around"]
        self.assertEqual([(r["from"], r["to"], r["changes"]) for r in ranges], [
            ("15.07.1985 10:40:00", "15.07.1985 11:43:32", []),
            ("15.07.1985 11:43:32", "15.07.1985 12:40:00", ["hour"])])
        single = json.loads(run(case).stdout)
        self.assertEqual(list(single)[-1], "nearestChange")
        self.assertEqual(single["nearestChange"], {"what": ["hour"], "minutes": 212 / 60})
        self.assertEqual(single["pillars"], ranges[0]["pillars"])

    def test_a_span_past_the_first_date_is_cut_and_says_so(self):
        text = run(["01.01.0001", "00:10", "--around", "30"]).stdout.decode()
        self.assertTrue(text.startswith("Промежуток обрезан"))
        self.assertIn("с 01.01.0001 00:00:00 до 01.01.0001 00:40:00", text)
        self.assertEqual(run(["01.01.2000", "00:10", "--around", "0"]).returncode, 2)
        self.assertEqual(run(["01.01.2000", "00:10", "--around", "5", "--luck", "male"]).returncode, 2)


if __name__ == "__main__":
    TOOL = sys.argv.pop(1)
    unittest.main(verbosity=2)
