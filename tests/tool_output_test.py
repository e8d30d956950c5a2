#!/usr/bin/env python3
# SPDX-License-Identifier: AGPL-3.0-or-later
"""velmora-chart's output kept byte for byte: every form (text, CSV, JSON)
with every option, errors included, against the output recorded in
tests/data/tool_output.golden. Changing how the tool is built inside must
not change a byte of what scripts read.

    tool_output_test.py PATH_TO_VELMORA_CHART [--record]
"""

import difflib
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
GOLDEN = os.path.join(HERE, "data", "tool_output.golden")

BATCH = (b"\xef\xbb\xbf15.07.1985,10:00,4,049:07,E\n"
         b"# a comment\n"
         b"\n"
         b"31.12.1999,23:30,-5,074:00,W\n"
         b"29.02.2001,12:00,3,037:37,E\n"
         b"01.07.1985,10:00,Europe/Moscow,037:37,E\n"
         b"31.03.1985,02:30,Europe/Moscow,037:37,E\n"
         b"05.02.3003,00:00,0,000:00,E\n"
         b"01.01.2000,12:00,5:30,088:22,E\n"
         b"01.01.2000,12:00,5:3,088:22,E\n"
         b"12.08.1975,19:30,0,003:17,W\r\n"
         b"18.09.0763,11:00,0,000:00,E\n"
         b"01.01.2000,12:00,5,060:36,E,x,y\n"
         b"01.01.2000,12:00,5,060:36,\"E\\\t\n"
         b"31.02.2001\xff\xfe,12:00,\x01,060:36,E\n"
         b"15.07.1985,10:00,4,049:07,E," + "Ж".encode() * 600 + b"\n"
         b"bad line\n")
BATCH_SEX = (b"15.07.1985,10:00,4,049:07,E,female\n"
             b"01.01.2000,12:00,5,060:36,E,\xd0\xbc\n"
             b"01.01.2000,12:00,5,060:36,E,other\n"
             b"01.07.1985,10:00,Europe/Moscow,037:37,E,male\n")
CLIENTS = ("name,sex,date,time,correction,longitude,hemisphere,place,zone,notes\n"
           "Иванова Анна,ж,15.07.1985,10:00,,049:07,E,Казань,Europe/Moscow,\"заметка, с запятой\"\n"
           "Петров Пётр,м,01.01.2000,12:00,+5,060:36,E,,,\n"
           "Без пола,,29.02.2000,23:30,-3:30,052:00,W,,,\n").encode()

KAZAN = ["15.07.1985", "10:00", "--place", "Казань"]
CASES = [
    ["15.07.1985", "10:00"],
    ["15.07.1985", "10:00", "--json"],
    ["15.07.1985", "10:00", "--correction", "4", "--longitude", "049:07E"],
    ["07.03.1999", "09:05", "--correction", "-5", "--longitude", "074:00W", "--json"],
    ["12.04.2013", "10:27", "--correction", "-8", "--longitude", "122:32W", "--json"],
    ["18.09.0763", "11:00", "--correction", "0", "--longitude", "000:00E", "--json"],
    [b"31.02.2001\xff\t\"\\", "10:00", "--json"],
    ["01.01.2000", "12:00", "--correction", "5:30", "--longitude", "088:22E"],
    ["01.01.2000", "12:00", "--correction", "2:30:17", "--longitude", "030:31E", "--json"],
    KAZAN,
    KAZAN + ["--json"],
    KAZAN + ["--luck", "male"],
    KAZAN + ["--luck", "ж", "--json"],
    KAZAN + ["--reading"],
    KAZAN + ["--reading", "--json"],
    KAZAN + ["--luck", "female", "--reading", "--json", "--solar-time"],
    ["02.02.3002", "12:00", "--correction", "0", "--longitude", "000:00E", "--luck", "male"],
    ["02.02.3002", "12:00", "--correction", "0", "--longitude", "000:00E", "--luck", "female", "--json"],
    KAZAN + ["--solar-time"],
    KAZAN + ["--day-change", "0", "--json"],
    ["15.07.1985", "23:30", "--correction", "4", "--longitude", "049:07E", "--day-change", "0"],
    ["15.07.1985", "10:00", "--tz", "Europe/Moscow", "--longitude", "037:37E"],
    ["15.07.1985", "10:00", "--tz", "Europe/Moscow", "--json"],
    ["31.03.1985", "02:30", "--tz", "Europe/Moscow"],
    ["31.03.1985", "02:30", "--tz", "Europe/Moscow", "--fold", "earlier"],
    ["29.09.1985", "02:30", "--tz", "Europe/Moscow", "--fold", "later", "--json"],
    ["29.09.1985", "02:30", "--tz", "Europe/Moscow"],
    ["15.07.1985", "10:00", "--place", "Ленинградск"],
    ["15.07.1985", "10:00", "--place", "Ыщщщ", "--json"],
    ["31.02.2001", "10:00"],
    ["31.02.2001", "10:00", "--json"],
    ["05.02.3003", "00:00", "--correction", "0", "--longitude", "000:00E"],
    ["05.02.3003", "00:00", "--correction", "0", "--longitude", "000:00E", "--json"],
    ["05.02.3003", "00:00", "--correction", "0", "--longitude", "000:00E", "--around", "1440"],
    ["15.07.1985", "10:00", "--correction", "4", "--longitude", "049:07E", "--around", "90"],
    ["15.07.1985", "10:00", "--correction", "4", "--longitude", "049:07E", "--around", "90", "--json"],
    ["31.03.1985", "03:30", "--tz", "Europe/Moscow", "--longitude", "037:37E", "--around", "60"],
    ["31.03.1985", "03:30", "--tz", "Europe/Moscow", "--longitude", "037:37E", "--around", "60", "--json"],
    ["01.01.0001", "00:30", "--correction", "0", "--longitude", "000:00E", "--around", "120"],
    ["--days", "01.01.2027", "10.01.2027"],
    ["--days", "01.01.2027", "03.01.2027", "--header"],
    ["--days", "01.01.2027", "03.01.2027", "--json"],
    KAZAN + ["--days", "01.03.2027", "05.03.2027", "--header"],
    KAZAN + ["--days", "01.03.2027", "03.03.2027", "--json"],
    ["--batch"],
    ["--batch", "--header"],
    ["--batch", "--json"],
    ["--batch", "--json", "--reading"],
    ["--batch", "--json", "--fold", "later"],
    ["--batch", "--json", "--solar-time", "--day-change", "0"],
    ["--batch", "--json", "SEX"],
    ["--batch", "SEX"],
    ["--clients"],
    ["--clients", "--header"],
    ["--clients", "--json"],
    ["--export-clients"],
    ["--client", "Иванова Анна"],
    ["--client", "Иванова Анна", "--luck", "--json"],
    ["--client", "2", "--luck", "--reading"],
    ["--client", "Без пола", "--luck"],
    ["--client", "Никто"],
    ["--bogus"],
    ["15.07.1985"],
    ["15.07.1985", "10:00", "--around", "0"],
    ["RU", "05.02.3003", "00:00", "--correction", "0", "--longitude", "000:00E"],
    ["RU", "31.02.2001", "10:00", "--json"],
    ["RU", "--batch", "--json"],
]


def text(data):
    """Bytes as text, each byte that is not UTF-8 kept visible as \\xNN."""
    return (data if isinstance(data, bytes) else data.encode()).decode("utf-8", "backslashreplace")


def record(case, result):
    out = text(result.stdout)
    if result.stderr:
        out += "[stderr]\n" + text(result.stderr)
    return "$ velmora-chart " + " ".join(map(text, case)) + "\n" + out + f"[exit {result.returncode}]\n"


def run(tool, folder):
    env = {k: v for k, v in os.environ.items() if not k.startswith(("LC_", "XDG_")) and k != "LANGUAGE"}
    env.update(LANG="C.UTF-8", HOME=folder, XDG_DATA_HOME=os.path.join(folder, "data"),
               XDG_CACHE_HOME=os.path.join(folder, "cache"), XDG_CONFIG_HOME=os.path.join(folder, "config"))
    clients = os.path.join(folder, "clients.csv")
    with open(clients, "wb") as out:
        out.write(CLIENTS)
    imported = subprocess.run([tool, "--import-clients", clients], env=env, capture_output=True, check=False)
    output = [record(["--import-clients", "clients.csv"], imported)]
    for case in CASES:
        args = [a for a in case if a not in ("SEX", "RU")]
        stdin = (BATCH_SEX if "SEX" in case else BATCH) if "--batch" in case else b""
        lang = {"LANG": "ru_RU.UTF-8"} if "RU" in case else {}
        result = subprocess.run([tool, *args], input=stdin, env=dict(env, **lang), capture_output=True, check=False)
        output.append(record(case, result))
    return "".join(output)


def main():
    tool = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        output = run(tool, folder)
    if "--record" in sys.argv:
        with open(GOLDEN, "w", encoding="utf-8") as out:
            out.write(output)
        return 0
    with open(GOLDEN, encoding="utf-8") as recorded:
        golden = recorded.read()
    if output == golden:
        print(f"{output.count(chr(10))} lines as recorded")
        return 0
    sys.stdout.writelines(list(difflib.unified_diff(golden.splitlines(True), output.splitlines(True),
                                                    "recorded", "now", n=2))[:80])
    return 1


if __name__ == "__main__":
    sys.exit(main())
