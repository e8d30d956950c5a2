#!/usr/bin/env python3
# SPDX-License-Identifier: AGPL-3.0-or-later
"""Every source file names the project's licence in its first lines.

    licence_test.py SOURCE_DIR
"""

import os
import sys
import unittest

SOURCE = None
TAG = "SPDX-License-Identifier: AGPL-3.0-or-later"
FOLDERS = ["app", "bench", "cli", "clients", "cmake", "core", "docs", "man", "place", "scripts", "system", "tests", "ui", ".ci"]


def is_source(name):
    return name == "CMakeLists.txt" or name == "run" or name.endswith(
        (".cpp", ".h", ".cmake", ".sh", ".py", ".1", ".bash-completion"))


class Licence(unittest.TestCase):
    def test_every_source_file_names_the_licence(self):
        files = [os.path.join(SOURCE, "CMakeLists.txt"), os.path.join(SOURCE, "data", "velmora-chart.bash-completion")]
        for folder in FOLDERS:
            for root, _, names in os.walk(os.path.join(SOURCE, folder)):
                files += [os.path.join(root, name) for name in names if is_source(name)]
        self.assertGreater(len(files), 250)
        for path in files:
            with open(path, encoding="utf-8") as file:
                head = [file.readline() for _ in range(3)]
            self.assertTrue(any(TAG in line for line in head), os.path.relpath(path, SOURCE))


if __name__ == "__main__":
    SOURCE = sys.argv.pop(1)
    unittest.main(verbosity=1)
