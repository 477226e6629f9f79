#!/usr/bin/env python3
"""The layer check on small source trees: one that depends one way passes, and each kind of
wrong dependency planted in it is found."""

import pathlib
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "scripts"))
import check_layers  # noqa: E402


def target(folder):
    return folder.replace("/", "_")


class LayerTree:
    """A src/ tree with one header and one source per layer, each library linking the layer
    just below it (so every lower layer is reachable) unless told otherwise."""

    def __init__(self, root):
        self.src = pathlib.Path(root) / "src"
        self.root = pathlib.Path(root)
        layers = check_layers.LAYERS
        for index, folder in enumerate(layers):
            below = [layers[index - 1]] if index > 0 else []
            self.write_cmake(folder, below)
            self.write(f"{folder}/{self.header(folder)}", "#pragma once\n")
            includes = [self.header(folder)] + [self.header(used) for used in below]
            self.write(f"{folder}/{target(folder)}.cpp",
                       "".join(f'#include "{name}"\n' for name in includes) + "#include <vector>\n")

    @staticmethod
    def header(folder):
        return target(folder).title().replace("_", "") + ".h"

    def write(self, relative, text):
        path = self.src / relative
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text)

    def write_cmake(self, folder, links, extra=""):
        linked = " ".join(target(used) for used in links)
        self.write(f"{folder}/CMakeLists.txt",
                   f"add_library({target(folder)} STATIC x.cpp)\n"
                   f"target_link_libraries({target(folder)}\n    PUBLIC {linked} Qt6::Core)\n"
                   + extra)

    def include(self, folder, header, angled=False):
        path = self.src / folder / f"{target(folder)}.cpp"
        line = f"#include <{header}>\n" if angled else f'#include "{header}"\n'
        path.write_text(path.read_text() + line)

    def problems(self):
        return check_layers.check(self.root)[0]


class LayerCheck(unittest.TestCase):
    def setUp(self):
        self.temp = tempfile.TemporaryDirectory()
        self.tree = LayerTree(self.temp.name)

    def tearDown(self):
        self.temp.cleanup()

    def assertFound(self, *fragments):
        problems = self.tree.problems()
        for fragment in fragments:
            self.assertTrue(any(fragment in problem for problem in problems),
                            f"{fragment!r} not among {problems}")

    def test_a_tree_that_depends_one_way_passes(self):
        self.tree.include("windows", self.tree.header("glycan"))  # reached through the links
        self.assertEqual(self.tree.problems(), [])

    def test_includes_of_a_layer_above_are_found_quoted_or_angled(self):
        self.tree.include("framework/core", self.tree.header("framework/ui"))
        self.tree.include("codes", self.tree.header("startup"), angled=True)
        self.assertFound("framework/core/framework_core.cpp: FrameworkUi.h belongs to framework/ui",
                         "codes/codes.cpp: Startup.h belongs to startup, which is not below codes")

    def test_an_include_of_a_lower_layer_that_is_not_linked_is_found(self):
        self.tree.write_cmake("app", ["framework/ui"])
        self.tree.include("app", self.tree.header("regex"))
        self.assertFound("app/app.cpp: Regex.h belongs to regex, which app does not link")

    def test_links_up_or_around_a_cycle_are_found(self):
        self.tree.write_cmake("app", ["codes", "windows"])
        self.assertFound("src/app links windows, which is not below it",
                         "in a cycle: app -> windows -> app")

    def test_a_commented_out_link_does_not_count(self):
        commented = "# target_link_libraries(app PUBLIC windows)\n"
        self.tree.write_cmake("app", ["codes"], extra=commented)
        self.assertEqual(self.tree.problems(), [])

    def test_unknown_folders_shared_header_names_and_unknown_quoted_headers_are_found(self):
        self.tree.write("plugins/Plugin.cpp", "#include <vector>\n")
        self.tree.write("windows/Regex.h", "#pragma once\n")
        self.tree.include("app", "Missing.h")
        self.assertFound("src/plugins holds sources but is no layer",
                         "two headers named Regex.h",
                         "src/app/app.cpp: Missing.h is no header of src/")

    def test_a_layer_without_sources_is_found(self):
        (self.tree.src / "regex" / "regex.cpp").unlink()
        (self.tree.src / "regex" / "Regex.h").unlink()
        self.tree.include("codes", "vector", angled=True)
        self.assertFound("layer regex has no sources")


if __name__ == "__main__":
    unittest.main()
