#!/usr/bin/env python3
# The include check over small trees of sources: what it names and what it lets pass.
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check  # noqa: E402


def tree(files):
    """A folder of sources, each file with the lines given."""
    with tempfile.TemporaryDirectory(prefix="nurv-includes.") as root:
        for path, lines in files.items():
            os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
            with open(os.path.join(root, path), "w", encoding="utf-8") as f:
                f.write("\n".join(lines) + "\n")
        return check.read_includes(root)


class IncludeCheckTest(unittest.TestCase):
    def test_sources_that_depend_one_way_pass(self):
        includes = tree({
            "app/Forms.cpp": ['#include "app/feature/Form.h"', '#include <QWidget>', '#include "generated.h"'],
            "app/feature/Form.h": ['#include "app/shared/Pick.h"'],
            "app/feature/Form.cpp": ['#include "app/feature/Form.h"', '#include "app/shared/Pick.h"'],
            "app/shared/Pick.h": [],
        })
        self.assertEqual(check.faults(includes, known=[]), [])

    def test_folders_that_include_each_other_are_named_with_an_include_each_way(self):
        includes = tree({
            "app/Forms.cpp": ['#include "app/feature/Form.h"'],
            "app/Shared.h": [],
            "app/feature/Form.h": [],
            "app/feature/Form.cpp": ['  #  include "app/Shared.h"'],
        })
        self.assertEqual(check.faults(includes, known=[]), [
            "folder app and app/feature include each other: app/Forms.cpp includes app/feature/Form.h; "
            "app/feature/Form.cpp includes app/Shared.h"])

    def test_a_round_of_three_folders_is_named_as_a_circle(self):
        includes = tree({
            "a/A.h": ['#include "b/B.h"'],
            "b/B.h": ['#include "c/C.h"'],
            "c/C.h": [],
            "c/C.cpp": ['#include "a/A.h"'],
        })
        found = check.faults(includes, known=[])
        self.assertIn("folders include each other in a round, a -> b -> c -> a: a/A.h includes b/B.h; "
                      "b/B.h includes c/C.h; c/C.cpp includes a/A.h", found)

    def test_a_unit_circle_through_the_sources_fails_and_a_known_one_passes_until_it_is_gone(self):
        circle = {
            "db/Database.h": [],
            "db/Database.cpp": ['#include "db/Query.h"'],
            "db/Query.h": ['#include "db/Database.h"'],
        }
        self.assertEqual(check.faults(tree(circle), known=[]), [
            "unit db/Database and db/Query include each other: db/Database.cpp includes db/Query.h; "
            "db/Query.h includes db/Database.h"])
        known = [{"db/Database", "db/Query", "db/Schema"}]
        self.assertEqual(check.faults(tree(circle), known=known), [])
        circle["db/Database.cpp"] = []
        self.assertEqual(check.faults(tree(circle), known=known), [
            "the known circle of db/Database, db/Query, db/Schema is gone: take it out of KNOWN_CIRCLES"])

    def test_a_known_circle_excuses_no_unit_outside_it(self):
        includes = tree({
            "db/Database.cpp": ['#include "db/Query.h"', '#include "db/Keys.h"'],
            "db/Query.h": ['#include "db/Database.h"'],
            "db/Database.h": [],
            "db/Keys.h": ['#include "db/Database.h"'],
        })
        found = check.faults(includes, known=[{"db/Database", "db/Query"}])
        self.assertEqual(len(found), 2)
        self.assertTrue(all(line.startswith("unit db/Database and db/") for line in found), found)


if __name__ == "__main__":
    unittest.main()
