#!/usr/bin/env python3
"""End-to-end test: the real tamberlo program on its own X server, driven as a person would.

Usage: run_e2e.py TAMBERLO SOURCE_DIR OUTPUT_DIR

Starts Xvfb on a display no other X server holds, launches the program, and works it only
through the X server: xdotool for keys, clicks and window moves, xclip for the clipboard,
xwininfo and xprop for window geometry and type, and `import` screenshots for what is on the
screen. Every wait polls with a deadline. Screenshots and program logs stay in OUTPUT_DIR/e2e when
a step fails. The tools are not installed here: `make test` installs them, and the test fails
at once, naming each missing tool and its Debian package.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TOOLS = {"Xvfb": "xvfb", "xdotool": "xdotool", "xclip": "xclip", "xwininfo": "x11-utils",
         "xprop": "x11-utils", "xdpyinfo": "x11-utils", "import": "imagemagick",
         "convert": "imagemagick"}

WAIT = 30.0  # seconds for any one thing to happen; generous for sanitizer builds
SCREEN = (1280, 1024)
MAIN_SIZE = (1040, 860)  # the main window, menu bar included, once the test has sized it
GRID_COLS, GRID_ROWS = 13, 22  # the fixed grid of a program launched with a document
CODE_LIST_SIZE = (146, 540)  # content sizes of the code window and the symbol selector
SELECTOR_SIZE = (319, 127)
GLYCOBASE_BUTTON = (34, 87, 192, 20)  # left, top, width, height in the selector's content
CODE = re.compile(r"^[3-9][01][01][0-6][0-6][0-6][0-6]")
WHITE, BLACK, GREEN = (255, 255, 255), (0, 0, 0), (0, 255, 0)


class Failure(Exception):
    pass


class StepFailed(Failure):
    """A step failed and was reported; the rest of its scenario is skipped."""


def wait_for(what, probe, timeout=WAIT, interval=0.1):
    """Polls probe() until it gives a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


def check(condition, message):
    if not condition:
        raise Failure(message)


class Image:
    """An RGB screenshot."""

    def __init__(self, ppm):
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        check(header, "the screenshot is not an 8-bit PPM")
        self.width, self.height = int(header[1]), int(header[2])
        self.data = ppm[header.end():]

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.data[at:at + 3])

    def row(self, x, y, width):
        at = 3 * (y * self.width + x)
        return self.data[at:at + 3 * width]

    def pixels(self, box):
        x, y, width, height = box
        for line in range(y, y + height):
            row = self.row(x, line, width)
            yield from zip(row[0::3], row[1::3], row[2::3])

    def count(self, box, colour):
        return sum(1 for p in self.pixels(box) if p == colour)

    def count_light(self, box):
        """Pixels of white or light grey: anti-aliased text on black, no symbol colour."""
        return sum(1 for p in self.pixels(box) if min(p) >= 100)

    def count_greenish(self, box):
        """Pixels where green clearly leads: the CFG mannose circles, anti-aliased or not."""
        return sum(1 for r, g, b in self.pixels(box) if g > r + 60 and g > b + 60)

    def same(self, other, box):
        x, y, width, height = box
        return all(self.row(x, line, width) == other.row(x, line, width)
                   for line in range(y, y + height))


def exactly(title):
    """A POSIX regular expression that matches the whole of `title`."""
    return "^" + re.sub(r"([.^$*+?()\[\]{}|\\])", r"\\\1", title) + "$"


def is_red(p):
    return p[0] >= 200 and p[1] <= 80 and p[2] <= 80


def display_taken(number):
    """True when a server holds display `number` or has left its lock or socket behind."""
    return (os.path.exists("/tmp/.X%d-lock" % number) or
            os.path.exists("/tmp/.X11-unix/X%d" % number))


def lock_owner(number):
    """The process id in the lock file of display `number`, or None."""
    try:
        with open("/tmp/.X%d-lock" % number) as lock:
            return int(lock.read().strip())
    except (OSError, ValueError):
        return None


def answers(display):
    """True when an X client can open `display`."""
    try:
        return subprocess.run(["xdpyinfo", "-display", display], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=10).returncode == 0
    except subprocess.TimeoutExpired:
        return False


class Session:
    """One X server, the programs started on it, and what the steps leave behind."""

    def __init__(self, tamberlo, out_dir):
        self.tamberlo = tamberlo
        self.out_dir = out_dir
        self.shots = 0
        self.xvfb = None
        self.processes = []  # every program started on the server, ended by id
        self.program = None  # the program launched last
        self.log = None  # its log
        self.temp = tempfile.mkdtemp(prefix="tamberlo-e2e-")
        self.env = dict(os.environ)
        runtime = os.path.join(self.temp, "runtime")
        os.mkdir(runtime, 0o700)
        self.env.update(QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime)

    def start_xvfb(self):
        """Starts an X server on the first display number that no other server holds.

        Not -displayfd: it turns the lock file off, so it takes a display whose server has no
        abstract socket here (another container's, say) and unlinks that server's socket. On
        an explicit number Xvfb locks the display, or ends when another server holds it; then
        the next number is tried. -noreset: a server resets when its last client leaves, and
        the reset drops clients still connecting, such as a program launched just as the
        previous program or an xdotool call ended."""
        log = open(os.path.join(self.out_dir, "xvfb.log"), "w")
        for number in range(1000):
            if display_taken(number):
                continue
            xvfb = subprocess.Popen(
                ["Xvfb", ":%d" % number, "-noreset", "-screen", "0", "%dx%dx24" % SCREEN,
                 "-nolisten", "tcp"], stdout=subprocess.DEVNULL, stderr=log)
            self.xvfb = xvfb
            wait_for(f"Xvfb on :{number} to accept connections or to end",
                     lambda: xvfb.poll() is not None or
                     (lock_owner(number) == xvfb.pid and answers(":%d" % number)))
            if xvfb.poll() is None:
                self.env["DISPLAY"] = ":%d" % number
                return
            # Another server took this number after it was seen free.
        raise Failure("no free display number for Xvfb (see xvfb.log)")

    def check_server(self):
        """Fails unless our X server runs and accepts connections."""
        display = self.env["DISPLAY"]
        status = self.xvfb.poll()
        check(status is None, f"the X server on {display} has ended with status {status} "
                              "(see xvfb.log)")
        check(answers(display), f"the X server on {display} runs but accepts no connection")

    @staticmethod
    def stop(processes):
        for process in reversed(processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    def end_programs(self):
        """Ends what a scenario left running: everything but the X server."""
        self.stop(self.processes)
        self.processes = []
        self.program = None

    def cleanup(self):
        self.end_programs()
        if self.xvfb:
            self.stop([self.xvfb])
        shutil.rmtree(self.temp, ignore_errors=True)

    # X tools

    def x(self, *args, timeout=10):
        result = subprocess.run(args, env=self.env, capture_output=True, text=True,
                                timeout=timeout)
        return result.stdout if result.returncode == 0 else None

    def visible(self, title_pattern):
        found = self.x("xdotool", "search", "--onlyvisible", "--name", title_pattern)
        return found.split() if found else []

    def is_dialog(self, window):
        kind = self.x("xprop", "-id", window, "_NET_WM_WINDOW_TYPE") or ""
        return "_NET_WM_WINDOW_TYPE_DIALOG" in kind

    def windows(self, title):
        """Visible windows, not dialogs, whose whole title is `title`."""
        return [w for w in self.visible(exactly(title)) if not self.is_dialog(w)]

    def dialogs(self):
        """Visible dialog windows: message boxes, the Open dialog."""
        return [w for w in self.visible(".") if self.is_dialog(w)]

    def visible_titles(self):
        found = self.x("xdotool", "search", "--onlyvisible", "--name", ".") or ""
        return {self.x("xdotool", "getwindowname", w).strip() for w in found.split()} - {""}

    def window(self, title):
        def shown():
            found = self.windows(title)
            program = self.program
            if not found and program and program.poll() is not None:
                raise Failure(f"the program ended with status {program.returncode} "
                              f'before a window titled "{title}" showed')
            return found

        return wait_for(f'a window titled "{title}"', shown)[0]

    def geometry(self, window):
        """(x, y, width, height) of a window on the screen."""
        info = self.x("xwininfo", "-id", window) or ""
        fields = dict(re.findall(r"^\s*(Absolute upper-left X|Absolute upper-left Y|Width|"
                                 r"Height):\s+(-?\d+)", info, re.M))
        check(len(fields) == 4, f"no geometry for window {window}")
        return tuple(int(fields[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                              "Width", "Height"))

    def place(self, window, x, y, size=None):
        self.x("xdotool", "windowmove", window, str(x), str(y))
        if size:
            self.x("xdotool", "windowsize", window, str(size[0]), str(size[1]))
        wait_for(f"window {window} at {x},{y}",
                 lambda: self.geometry(window)[:2] == (x, y) and
                 (size is None or self.geometry(window)[2:] == size))

    def click(self, x, y, modifier=None):
        if modifier:
            self.x("xdotool", "mousemove", str(x), str(y), "keydown", modifier, "click", "1",
                   "keyup", modifier)
        else:
            self.x("xdotool", "mousemove", str(x), str(y), "click", "1")

    def type_text(self, text):
        self.x("xdotool", "type", "--delay", "20", text)

    def keys(self, window, keys):
        self.x("xdotool", "windowfocus", "--sync", window)
        self.x("xdotool", "key", keys)

    def clipboard(self):
        return self.x("xclip", "-o", "-selection", "clipboard")

    def put_sentinel_on_clipboard(self):
        """Owns the clipboard with a text no program step writes, so a change shows."""
        sentinel = "e2e-sentinel-%d" % time.monotonic_ns()
        owner = subprocess.Popen(["xclip", "-quiet", "-i", "-selection", "clipboard"],
                                 env=self.env, stdin=subprocess.PIPE,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(owner)
        owner.stdin.write(sentinel.encode())
        owner.stdin.close()
        wait_for("the sentinel on the clipboard", lambda: self.clipboard() == sentinel)
        return sentinel

    def new_clipboard_text(self, sentinel):
        def changed():
            text = self.clipboard()
            return None if text in (None, sentinel) else [text]

        return wait_for("the program to set the clipboard", changed)[0]

    def screenshot(self, name):
        self.shots += 1
        path = os.path.join(self.out_dir, "%02d-%s.png" % (self.shots, name))
        subprocess.run(["import", "-display", self.env["DISPLAY"], "-window", "root", path],
                       check=True, capture_output=True, timeout=20)
        ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                             capture_output=True, timeout=20).stdout
        return Image(ppm)

    def wait_for_screen(self, what, name, test, timeout=WAIT):
        """Screenshots until test(image) holds; returns that image."""
        def shown():
            image = self.screenshot(name)
            return image if test(image) else None

        return wait_for(what, shown, timeout=timeout, interval=0.2)

    # the program

    def launch(self, name, args=(), config=None):
        self.check_server()
        env = dict(self.env)
        env["XDG_CONFIG_HOME"] = config or tempfile.mkdtemp(dir=self.temp)
        self.log = os.path.join(self.out_dir, name + ".log")
        program = subprocess.Popen([self.tamberlo, *args], env=env,
                                   stdout=open(self.log, "w"), stderr=subprocess.STDOUT)
        self.processes.append(program)
        self.program = program
        return program

    def quits_with_zero(self, program, window):
        self.keys(window, "ctrl+q")
        try:
            status = program.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            raise Failure("Ctrl+Q did not end the program")
        check(status == 0, f"the program ended with status {status}, not 0")


def expected_codes(path):
    """The code list that reading `path` gives: lines without white space that are empty
    or begin with a code."""
    with open(path, encoding="utf-8") as file:
        lines = re.split(r"\r\n|\r|\n", file.read())
    if lines and lines[-1] == "":
        lines.pop()  # the line end of the last line starts no new one
    codes = (re.sub(r"\s", "", line) for line in lines)
    return [code for code in codes if code == "" or CODE.match(code)]


class Grid:
    """The fixed grid over the main window's content area, in screen pixels."""

    def __init__(self, left, top, width, height):
        self.left, self.top = left, top
        self.cell_w, self.cell_h = width // GRID_COLS, height // GRID_ROWS
        self.box = (left, top, width, height)

    def cell(self, index):
        """(x, y, w, h) of the cell that shows code `index`: codes fill columns first."""
        column, row = divmod(index, GRID_ROWS)
        return (self.left + column * self.cell_w, self.top + row * self.cell_h,
                self.cell_w, self.cell_h)

    def centre(self, index):
        x, y, w, h = self.cell(index)
        return x + w // 2, y + h // 2


def framed(image, cell):
    """True when red runs along all four sides of the cell (within 3 pixels of each)."""
    x, y, w, h = cell

    def side(points):
        hits = sum(1 for px, py in points if any(
            is_red(image.pixel(px + dx, py + dy)) for dx in range(-3, 4) for dy in range(-3, 4)
            if 0 <= px + dx < image.width and 0 <= py + dy < image.height))
        return hits >= 0.9 * len(points)

    xs = range(x + 4, x + w - 4, 3)
    ys = range(y + 4, y + h - 4, 3)
    return (side([(px, y) for px in xs]) and side([(px, y + h - 1) for px in xs]) and
            side([(x, py) for py in ys]) and side([(x + w - 1, py) for py in ys]))


# The scenarios. Each runs its steps in order and stops at the first that fails.

def scenario_code_file(s, step, sample):
    codes = expected_codes(sample)
    title = "Tamberlo:" + os.path.basename(sample)
    program = s.launch("launch-with-code-file", [sample])
    state = {}

    def launch():
        main = s.window(title)
        s.window("Code List")
        check(not s.dialogs(), "a dialog is open")
        titles = s.visible_titles()
        check(titles == {title, "Code List"},
              f"expected only the main window and the code window, found {sorted(titles)}")
        state["main"] = main

    step(f'launch with a code file: "{title}" and "Code List" open, no Open dialog', launch)

    def arrange():
        main, code_list = state["main"], s.window("Code List")
        s.place(code_list, MAIN_SIZE[0] + 20, 0)
        s.place(main, 0, 0, MAIN_SIZE)
        # The content area is white below the menu bar; its top is the first white pixel
        # down the window's right-most column, where no cartoon reaches.
        right = MAIN_SIZE[0] - 1
        image = s.wait_for_screen("the resized grid to be painted", "resized",
                                  lambda im: im.pixel(right, MAIN_SIZE[1] - 1) == WHITE)
        top = next((y for y in range(60) if image.pixel(right, y) == WHITE), None)
        check(top is not None and top > 0, "no menu bar above the grid")
        state["grid"] = Grid(0, top, MAIN_SIZE[0], MAIN_SIZE[1] - top)
        x, y, w, h = s.geometry(code_list)
        state["list"] = (x, y + h - CODE_LIST_SIZE[1])

    step("the main window sized and the code window moved beside it", arrange)

    def click_cell():
        grid, index = state["grid"], GRID_ROWS + 3  # row 3 of column 1
        sentinel = s.put_sentinel_on_clipboard()
        s.click(*grid.centre(index))
        text = s.new_clipboard_text(sentinel)
        check(text == codes[index], f"clipboard holds {text!r}, the cell shows {codes[index]!r}")

    step("clicking a cell puts that cell's code on the clipboard", click_cell)

    def choose_row():
        grid = state["grid"]
        sentinel = s.put_sentinel_on_clipboard()
        s.click(state["list"][0] + 40, state["list"][1] + 100)
        text = s.new_clipboard_text(sentinel)
        check(text in codes, f"clipboard holds {text!r}, which is no row of the list")
        cells = [grid.cell(i) for i, code in enumerate(codes)
                 if code == text and i < GRID_COLS * GRID_ROWS]
        other = grid.cell(next(i for i, code in enumerate(codes) if code != text))
        image = s.wait_for_screen(f"red frames around the cells of {text}", "frame",
                                  lambda im: all(framed(im, cell) for cell in cells))
        check(not framed(image, other), "a cell of another code is framed too")

    step("choosing a row copies it and frames its cells in red", choose_row)

    def ctrl_click_keeps_clipboard():
        grid, row = state["grid"], (state["list"][0] + 40, state["list"][1] + 100)
        sentinel = s.put_sentinel_on_clipboard()
        s.click(*row, modifier="ctrl")
        # The frames go once the choice is cleared; by then the list's change has run.
        s.wait_for_screen("the red frames to go", "unframed",
                          lambda im: not any(framed(im, grid.cell(i))
                                             for i in range(GRID_COLS * GRID_ROWS)))
        text = s.clipboard()
        check(text == sentinel, f"the clipboard holds {text!r}, not what was copied before")

    step("Ctrl+click on the chosen row clears it and leaves the clipboard alone",
         ctrl_click_keeps_clipboard)

    def invert():
        grid = state["grid"]
        area = grid.box[2] * grid.box[3]
        image = s.screenshot("white")
        check(image.count(grid.box, WHITE) > 0.8 * area, "the grid background is not white")
        s.keys(state["main"], "ctrl+b")
        state["inverted"] = s.wait_for_screen(
            "a black grid background", "black",
            lambda im: im.count(grid.box, BLACK) > 0.8 * area)

    step("Ctrl+B (Invert Background) turns the grid background black", invert)

    def toggle_texts():
        grid, before = state["grid"], state["inverted"]
        texts = before.count_light(grid.box)
        check(texts > 0, "no light code texts on the black background")
        s.keys(state["main"], "ctrl+i")
        s.wait_for_screen("the code texts to go", "no-texts",
                          lambda im: im.count_light(grid.box) < texts / 2)
        s.keys(state["main"], "ctrl+i")
        s.wait_for_screen("the code texts to come back as before", "texts",
                          lambda im: im.same(before, grid.box))

    step("Ctrl+I hides the code texts and shows them again", toggle_texts)

    def symbol_set():
        grid = state["grid"]
        check(s.screenshot("cfg").count(grid.box, GREEN) > 0, "no green mannose in CFG")
        s.keys(state["main"], "ctrl+shift+c")
        selector = s.window("Symbol Selector")
        s.place(selector, 0, MAIN_SIZE[1] + 10)  # below the main window, off the grid
        x, y, w, h = s.geometry(selector)
        left, top, width, height = GLYCOBASE_BUTTON
        s.click(x + left + 10, y + h - SELECTOR_SIZE[1] + top + height // 2)
        image = s.wait_for_screen("the grid without pure green", "uoxf",
                                  lambda im: im.count(grid.box, GREEN) == 0)
        check(image.count(grid.box, BLACK) < grid.box[2] * grid.box[3] - 1000,
              "the grid is empty")

    step('Change Symbol Set... > "GlycoBase (UOXF)" redraws without pure green', symbol_set)

    def open_keeps_clipboard():
        other = os.path.join(s.temp, "other-codes.txt")
        with open(other, "w") as file:
            file.write("4000200\n5000022\n")
        sentinel = s.put_sentinel_on_clipboard()
        s.click(state["list"][0] + 40, state["list"][1] + 30)  # choosing a row still copies
        text = s.new_clipboard_text(sentinel)
        check(text in codes, f"clipboard holds {text!r}, which is no row of the list")
        sentinel = s.put_sentinel_on_clipboard()
        s.keys(state["main"], "ctrl+o")
        dialog = wait_for("the Open dialog", s.dialogs)[0]
        s.keys(dialog, "ctrl+a")
        s.type_text(other)
        s.keys(dialog, "Return")
        s.window("Tamberlo:other-codes.txt")  # the load has run when the title changes
        text = s.clipboard()
        check(text == sentinel, f"the clipboard holds {text!r}, not what was copied before")

    step("File > Open of another file while a row is chosen leaves the clipboard alone",
         open_keeps_clipboard)

    step("Ctrl+Q ends the program with status 0",
         lambda: s.quits_with_zero(program, s.window("Tamberlo:other-codes.txt")))


def scenario_library(s, step, library):
    config = tempfile.mkdtemp(dir=s.temp)
    shutil.copy(library, os.path.join(config, "Wendrix.plist"))
    program = s.launch("launch-with-library", config=config)
    title = "Tamberlo: Wendrix Library"

    def launch():
        s.window(title)
        check(not s.dialogs(), "a dialog is open")
        titles = s.visible_titles()
        check(titles <= {title, "Code List"}, f"unexpected windows: {sorted(titles)}")

    step(f'launch with the library in the configuration folder: "{title}"', launch)
    step("Ctrl+Q ends the program with status 0",
         lambda: s.quits_with_zero(program, s.window(title)))


def scenario_unreadable(s, step):
    folder = os.path.join(s.temp, "codes-folder.txt")
    os.mkdir(folder)  # a folder passed as the code file: it cannot be read as text
    program = s.launch("launch-with-unreadable-file", [folder])

    def report():
        box = wait_for("a message box", s.dialogs)[0]
        s.screenshot("message")
        s.keys(box, "Return")
        only_one_message(s, s.window("Tamberlo"))

    step("launch with a folder as the code file: one message box over the main window",
         report)
    step("the program still answers: Ctrl+Q ends it with status 0",
         lambda: s.quits_with_zero(program, s.window("Tamberlo")))


def scenario_codes_left_out(s, step):
    big = os.path.join(s.temp, "big.txt")
    with open(big, "w") as file:
        file.write("3100202\n" * 10011)
    title = "Tamberlo:big.txt"
    program = s.launch("launch-with-codes-left-out", [big])

    def report():
        box = wait_for("a message box", s.dialogs)[0]
        main = s.window(title)  # titled while the message is up
        s.place(box, 700, 500)  # off the main window, which Xvfb leaves at 0,0
        x, y, width, height = s.geometry(main)
        s.wait_for_screen("the grid painted behind the message", "left-out",
                          lambda im: im.count_greenish((x, y, width, height)) > 100)
        check(box in s.dialogs(), "the message box went away by itself")
        s.keys(box, "Return")
        only_one_message(s, main)

    step(f'launch with 10011 codes: one message box over "{title}" showing its grid', report)
    step("Ctrl+Q ends the program with status 0",
         lambda: s.quits_with_zero(program, s.window(title)))


def only_one_message(s, main):
    """Checks, after the first message box was dismissed, that no second one comes: Ctrl+B
    turns the main window black only once the program runs its event loop again, by which
    time a second box shown after the first would be up."""
    wait_for("the message box to close", lambda: not s.dialogs())
    x, y, width, height = s.geometry(main)
    s.keys(main, "ctrl+b")
    s.wait_for_screen("the main window to turn black", "after-message",
                      lambda im: s.dialogs() or
                      im.count((x, y + height // 2, width, height // 2), BLACK) >
                      0.8 * width * height // 2)
    check(not s.dialogs(), "a second message box came after the first")


def check_tools():
    missing = [f"{tool} (Debian package {package})" for tool, package in TOOLS.items()
               if not shutil.which(tool)]
    check(not missing, "missing " + ", ".join(missing) + "; `make test` installs them")


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    tamberlo, source_dir, build_dir = (os.path.abspath(a) for a in sys.argv[1:])
    out_dir = os.path.join(build_dir, "e2e")
    shutil.rmtree(out_dir, ignore_errors=True)
    os.makedirs(out_dir)

    results = []
    session = Session(tamberlo, out_dir)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))

    def report_failure(name, error):
        results.append(False)
        print(f"not ok {len(results)} - {name}\n# {error}", flush=True)
        if session.log:
            with open(session.log, errors="replace") as log:
                lines = log.readlines()
            # A sanitizer's report (a leak at exit, say) whole, else the last lines.
            report = [i for i, line in enumerate(lines) if re.match(r"==\d+==ERROR", line)]
            shown = lines[report[0]:] if report else lines[-15:]
            print("".join("# | " + line for line in shown), end="")

    def step(name, action):
        try:
            action()
        except (Failure, subprocess.SubprocessError, OSError) as error:
            report_failure(name, error)
            raise StepFailed(name) from error
        results.append(True)
        print(f"ok {len(results)} - {name}", flush=True)

    def run_scenario(scenario, *args):
        try:
            scenario(session, step, *args)
        except StepFailed:
            pass  # the rest of this scenario depends on the failed step
        except (Failure, subprocess.SubprocessError, OSError) as error:
            # Failed outside its steps, as a launch on a server that is gone.
            report_failure(f"{scenario.__name__}: before its first step", error)
        finally:
            session.end_programs()
            session.log = None

    examples = os.path.join(source_dir, "examples")
    try:
        step("the tools that drive the program are installed", check_tools)
        step("start an X server of our own", session.start_xvfb)
        run_scenario(scenario_code_file, os.path.join(examples, "sample-codes.txt"))
        run_scenario(scenario_library, os.path.join(examples, "Wendrix.plist"))
        run_scenario(scenario_unreadable)
        run_scenario(scenario_codes_left_out)
    except Failure:
        pass
    finally:
        session.cleanup()

    failed = results.count(False)
    print(f"{results.count(True)} passed, {failed} failed")
    if failed:
        print(f"# screenshots and program logs: {out_dir}")
        sys.exit(1)
    shutil.rmtree(out_dir, ignore_errors=True)


if __name__ == "__main__":
    main()
