#!/usr/bin/env python3
# SPDX-License-Identifier: AGPL-3.0-or-later
"""Every option that velmora-chart accepts is documented: an entry of the
OPTIONS section of both manual pages of the tool, and a word that the bash
completion offers; and the completion offers no option the tool lacks.
The options are read from the tool's own table in cli/ToolOptions.cpp, so a
new option fails here until it is documented.

    option_docs_test.py SOURCE_DIR
"""

import re
import subprocess
import sys
import unittest
from pathlib import Path

SOURCE = None


def tool_options():
    text = (SOURCE / "cli/ToolOptions.cpp").read_text(encoding="utf-8")
    table = re.search(r"OptionSpec Specs\[\] = \{(.*?)\n\};", text, re.S)
    assert table, "the option table of cli/ToolOptions.cpp was not found"
    return re.findall(r'\{"(-[-a-z]+)"', table.group(1))


def roff(option):
    """The option as a page writes it: \\- for each hyphen, \\% before it
    where it must not be hyphenated."""
    return r"(?:\\%)?" + re.escape(option.replace("-", "\\-")) + r"(?![a-z]|\\-)"


def option_entries(page):
    """The tags of the .TP entries of the page's options section (OPTIONS,
    ПАРАМЕТРЫ), as written."""
    parts = re.split(r"^\.SH (.*)$", page.read_text(encoding="utf-8"), flags=re.M)
    sections = dict(zip(parts[1::2], parts[2::2]))
    body = sections.get("OPTIONS", sections.get("ПАРАМЕТРЫ"))
    assert body is not None, f"{page} has no options section"
    return re.findall(r"^\.TP\n(.*)$", body, re.M)


def completion_offers(word):
    """What the bash completion offers for the word after velmora-chart."""
    script = SOURCE / "data/velmora-chart.bash-completion"
    shell = ('source "$1"; COMP_WORDS=(velmora-chart "$2"); COMP_CWORD=1; COMP_LINE="velmora-chart $2"; '
             'COMP_POINT=${#COMP_LINE}; _velmora_chart velmora-chart "$2" velmora-chart; '
             'printf "%s\\n" "${COMPREPLY[@]}"')
    result = subprocess.run(["bash", "-c", shell, "bash", str(script), word],
                            capture_output=True, text=True, check=True)
    return set(result.stdout.split())


class OptionsDocumented(unittest.TestCase):
    def test_the_table_is_read(self):
        options = tool_options()
        self.assertIn("--json", options)
        self.assertIn("-h", options)
        self.assertGreaterEqual(len(options), 14)

    def test_each_page_has_an_entry_for_each_option(self):
        for page in ("man/velmora-chart.1", "man/ru/velmora-chart.1"):
            entries = option_entries(SOURCE / page)
            for option in tool_options():
                with self.subTest(page=page, option=option):
                    self.assertTrue(any(re.search(roff(option), tag) for tag in entries),
                                    f"{page} has no entry for {option} in its options section")

    def test_the_completion_offers_exactly_the_options(self):
        offered = completion_offers("-")
        options = set(tool_options())
        self.assertEqual(set(), options - offered, "options the completion does not offer")
        self.assertEqual(set(), offered - options, "options the completion offers that the tool lacks")


if __name__ == "__main__":
    SOURCE = Path(sys.argv.pop(1))
    unittest.main()
