#!/usr/bin/env python3
"""Checks that the libraries of src/ depend one way, lowest layer first.

Each folder of src/ that holds sources is one layer (one library, plus the program in
startup). LAYERS below orders them, lowest first. The libraries' dependencies are read from
the target_link_libraries lines of their CMakeLists.txt. The check fails when
- a folder with sources is not in LAYERS, or LAYERS names a folder that has none;
- a library links a library of its own layer or of one above it, or the links form a cycle;
- two headers share a name (code includes headers by bare name);
- a file includes a header of a layer above its own, or of a layer below that its library
  does not link (directly or through the libraries it links), or a quoted header that no
  folder of src/ holds.

Usage: check_layers.py [ROOT] (ROOT defaults to the repository holding this script).
"""

import pathlib
import re
import sys

LAYERS = [
    "glycan",
    "framework/core",
    "framework/files",
    "framework/drawing",
    "framework/ui",
    "framework/runtime",
    "regex",
    "codes",
    "app",
    "windows",
    "startup",
]

SOURCE_SUFFIXES = {".h", ".cpp"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
TARGET = re.compile(r"\badd_(?:library|executable)\s*\(\s*([\w.+-]+)")
LINKS = re.compile(r"\btarget_link_libraries\s*\(\s*([\w.+-]+)([^)]*)\)", re.DOTALL)
LINK_KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE"}


def source_folders(src):
    """Folder (relative to src, with "/") -> its source files."""
    folders = {}
    for path in sorted(src.rglob("*")):
        if path.suffix in SOURCE_SUFFIXES and path.is_file():
            folders.setdefault(path.parent.relative_to(src).as_posix(), []).append(path)
    return folders


def strip_cmake_comments(text):
    return "\n".join(line.split("#", 1)[0] for line in text.splitlines())


def link_graph(src):
    """Folder -> the folders whose libraries its targets link (project targets only)."""
    target_folder = {}
    links = {}
    for cmake in sorted(src.rglob("CMakeLists.txt")):
        folder = cmake.parent.relative_to(src).as_posix()
        text = strip_cmake_comments(cmake.read_text())
        for name in TARGET.findall(text):
            target_folder[name] = folder
        for name, arguments in LINKS.findall(text):
            links.setdefault(folder, []).extend(
                token for token in arguments.split() if token not in LINK_KEYWORDS)
    graph = {}
    for folder, names in links.items():
        graph[folder] = sorted({target_folder[name] for name in names
                                if name in target_folder and target_folder[name] != folder})
    return graph


def find_cycle(graph):
    """One dependency cycle as a list of folders (first == last), or None."""
    state = {}
    path = []

    def visit(folder):
        state[folder] = "open"
        path.append(folder)
        for used in graph.get(folder, []):
            if state.get(used) == "open":
                return path[path.index(used):] + [used]
            if used not in state:
                cycle = visit(used)
                if cycle:
                    return cycle
        path.pop()
        state[folder] = "done"
        return None

    for folder in sorted(graph):
        if folder not in state:
            cycle = visit(folder)
            if cycle:
                return cycle
    return None


def reachable(graph, folder):
    """The folders @p folder depends on, directly or through others."""
    seen = set()
    todo = list(graph.get(folder, []))
    while todo:
        used = todo.pop()
        if used not in seen:
            seen.add(used)
            todo.extend(graph.get(used, []))
    return seen


def check(root):
    """The problems found under root/src, one message each."""
    src = root / "src"
    problems = []
    folders = source_folders(src)
    rank = {layer: index for index, layer in enumerate(LAYERS)}

    for folder in sorted(set(folders) - set(rank)):
        problems.append(f"src/{folder} holds sources but is no layer of LAYERS")
    for layer in LAYERS:
        if layer not in folders:
            problems.append(f"layer {layer} has no sources in src/{layer}")

    graph = link_graph(src)
    for folder, used_folders in sorted(graph.items()):
        for used in used_folders:
            if folder in rank and used in rank and rank[used] >= rank[folder]:
                problems.append(f"src/{folder} links {used}, which is not below it")
    cycle = find_cycle(graph)
    if cycle:
        problems.append("libraries depend on each other in a cycle: " + " -> ".join(cycle))

    header_folder = {}
    for folder, files in folders.items():
        for path in files:
            if path.suffix == ".h":
                if path.name in header_folder:
                    problems.append(f"two headers named {path.name}: "
                                    f"in src/{header_folder[path.name]} and in src/{folder}")
                header_folder[path.name] = folder

    for folder, files in sorted(folders.items()):
        if folder not in rank:
            continue
        depends_on = reachable(graph, folder)
        for path in files:
            text = path.read_text(errors="replace")
            for delimiter, name in INCLUDE.findall(text):
                where = f"{path.relative_to(root).as_posix()}: {name}"
                owner = header_folder.get(pathlib.PurePosixPath(name).name)
                if owner is None:
                    if delimiter == '"':
                        problems.append(f"{where} is no header of src/")
                    continue
                if owner == folder:
                    continue
                if owner not in rank or rank[owner] >= rank[folder]:
                    problems.append(f"{where} belongs to {owner}, which is not below {folder}")
                elif owner not in depends_on:
                    problems.append(f"{where} belongs to {owner}, which {folder} does not link")
    return problems, len(folders)


def main():
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent
    problems, folder_count = check(root.resolve())
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print(f"layers: {len(problems)} problem(s); the order, lowest first: " + ", ".join(LAYERS),
              file=sys.stderr)
        return 1
    print(f"layers: the {folder_count} folders of src/ depend one way")
    return 0


if __name__ == "__main__":
    sys.exit(main())
