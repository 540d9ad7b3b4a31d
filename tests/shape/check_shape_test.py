#!/usr/bin/env python3
"""The shape check finds each kind of break in a small tree made for it, and passes a clean one."""
import os
import subprocess
import sys
import tempfile
import unittest

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "check_shape")


def write(root, path, text):
    full = os.path.join(root, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "w", encoding="utf-8") as f:
        f.write(text)


def run(root, *args):
    return subprocess.run([sys.executable, CHECK, "--root", root, *args], capture_output=True, text=True)


class ShapeCheck(unittest.TestCase):
    def tree(self):
        root = tempfile.mkdtemp()
        write(root, "app/format.h", "#pragma once\nstruct Format\n{\n    int width() const;\n};\n")
        write(root, "app/format.cpp", '#include "app/format.h"\nint Format::width() const\n{\n    return 1;\n}\n')
        write(root, "app/main_window_view.h", "#pragma once\nclass MainWindowView\n{\n};\n")
        return root

    def test_a_clean_tree_passes(self):
        result = run(self.tree())
        self.assertEqual(result.returncode, 0, result.stdout)
        self.assertIn("every rule holds", result.stdout)

    def test_each_kind_of_break_is_found(self):
        root = self.tree()
        body = "".join(f"    x += {i};\n" for i in range(60))
        write(root, "app/settings.cpp", "int longOne(int x)\n{\n" + body + "    return x;\n}\n")
        write(root, "app/textcatalogue.cpp", "// filler\n" * 501)
        write(root, "exercise/answer.cpp", '#include "app/main_window_view.h"\nint k = 0;\n')
        write(root, "mechanisms/catalogue.cpp", '#include "app/format.h"\nint Format::height() const\n{\n    return 2;\n}\n')
        write(root, "quiz/quiz.cpp", "void cmdAsk_Click();\nconst short done = True;\n")
        found = run(root, "--list").stdout.splitlines()
        self.assertIn("long function: app/settings.cpp longOne", found)
        self.assertIn("long file: app/textcatalogue.cpp", found)
        self.assertIn("include from a higher layer: exercise/answer.cpp app/main_window_view.h", found)
        self.assertIn("member functions away from their folder: mechanisms/catalogue.cpp Format", found)
        self.assertIn("old control name: quiz/quiz.cpp cmdAsk_Click", found)
        self.assertIn("old truth value: quiz/quiz.cpp True", found)
        self.assertEqual(run(root).returncode, 1)

    def test_names_in_comments_and_strings_are_not_breaks(self):
        root = self.tree()
        write(root, "app/settings.cpp", '// cmdOld_Click was True once\nconst char *s = "txtName True";\n')
        self.assertEqual(run(root).returncode, 0)

    def test_the_allowances_must_match_exactly(self):
        root = self.tree()
        write(root, "quiz/quiz.cpp", "void cmdAsk_Click();\n")
        allowances = os.path.join(root, "scripts", "shape_allowances.txt")
        write(root, "scripts/shape_allowances.txt", "old control name: quiz/quiz.cpp cmdAsk_Click\n")
        self.assertEqual(run(root).returncode, 0)
        write(root, "quiz/quiz.cpp", "void askQuestion();\n")
        result = run(root)
        self.assertEqual(result.returncode, 1)
        self.assertIn("mended", result.stdout)
        run(root, "--drop-mended")
        with open(allowances, encoding="utf-8") as f:
            self.assertNotIn("cmdAsk_Click", f.read())


if __name__ == "__main__":
    unittest.main()
