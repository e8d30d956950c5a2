#!/usr/bin/env python3
# SPDX-License-Identifier: AGPL-3.0-or-later
"""The Russian catalog holds a finished translation of every message the
code marks, and each translation keeps its source's %1, %2, ... markers.

    catalog_test.py LUPDATE SOURCE_DIR
"""

import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

LUPDATE = None
SOURCE = None


class Catalog(unittest.TestCase):
    def test_every_message_is_translated_with_its_markers(self):
        with tempfile.TemporaryDirectory() as folder:
            ts = folder + "/velmora_ru.ts"
            shutil.copy(SOURCE + "/translations/velmora_ru.ts", ts)
            # What lupdate finds in the code now, merged into a copy.
            subprocess.run([LUPDATE, "-silent", "-tr-function-alias", "translate+=Translate", "-locations", "none",
                            *[SOURCE + "/" + d for d in ("system", "core", "place", "clients", "cli", "ui", "app")], "-ts", ts],
                           check=True)
            root = ET.parse(ts).getroot()
        for message in root.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            with self.subTest(source=source[:60]):
                self.assertIsNone(translation.get("type"), "unfinished, or no longer in the code")
                self.assertEqual(sorted(re.findall(r"%\d", translation.text or "")),
                                 sorted(re.findall(r"%\d", source)))


if __name__ == "__main__":
    LUPDATE, SOURCE = sys.argv.pop(1), sys.argv.pop(1)
    unittest.main(verbosity=1)
