#!/usr/bin/python3
"""Plays the web build the way a player would: its folder served from 127.0.0.1 by a small
server of this script's own, the page opened in headless Chromium and driven through the
DevTools protocol (Debian's python3-websocket), with real key presses and clicks.

Checks, in this order: the page loads and the game starts with no console error; the title
shows its green prompt at (400, 730) of the game picture; the game's sound waits for the first
key and runs after it; Enter shows sector 1; a left click flies the ship (the picture changes
along its way); numpad plus opens the engineering menu and Enter closes it; Escape opens the
game's own menu, whose Options turn the music down to 70% (kept in the settings), and the
page's Menu button opens it too, a click on Resume closing it; the volume set with 9 is still
there after a reload, and the game goes on from it; Ctrl+Q ends the game and
the page says so. The game picture is read from screenshots of the page
(Page.captureScreenshot): what the player sees, whatever the canvas keeps.

With --no-webgl Chromium runs with WebGL turned off (--disable-3d-apis): the page must start
all the same, say nothing alarming, and the game draw with the processor; the same checks
follow, and the pace of the game's frames is printed. Otherwise WebGL is SwiftShader's, a CPU
rasterizer, so the page as a player opens it draws with the processor too, which is checked
first; the checks then play the page asked to draw with WebGL whatever draws it ("?webgl").

Usage: web_game.py PAGE_FOLDER SCREENSHOT_FOLDER [--no-webgl]
Prints one line per check that passed; on a failure, the reason and the page's console, and
exits with status 1.
"""

import base64
import functools
import http.server
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request
import zlib

import websocket

WIDTH, HEIGHT = 1024, 768


class Failure(Exception):
    pass


def fail(text):
    raise Failure(text)


# ---------------------------------------------------------------------------------------------
# Pictures: Chromium's PNG screenshots, decoded here (8-bit RGB or RGBA, not interlaced).


class Picture:
    def __init__(self, png):
        if png[:8] != b"\x89PNG\r\n\x1a\n":
            fail("the screenshot is not a PNG")
        at, data = 8, b""
        while at < len(png):
            length, kind = struct.unpack(">I4s", png[at:at + 8])
            body = png[at + 8:at + 8 + length]
            if kind == b"IHDR":
                self.width, self.height, depth, colour, _, _, interlace = struct.unpack(
                    ">IIBBBBB", body)
                if depth != 8 or colour not in (2, 6) or interlace != 0:
                    fail(f"a screenshot PNG of depth {depth}, colour type {colour}")
                self.step = 3 if colour == 2 else 4
            elif kind == b"IDAT":
                data += body
            at += 12 + length
        raw = zlib.decompress(data)
        stride = self.width * self.step
        rows, previous = [], bytearray(stride)
        for y in range(self.height):
            start = y * (stride + 1)
            kind, row = raw[start], bytearray(raw[start + 1:start + 1 + stride])
            for x in range(stride):
                left = row[x - self.step] if x >= self.step else 0
                up = previous[x]
                corner = previous[x - self.step] if x >= self.step else 0
                if kind == 1:
                    row[x] = (row[x] + left) & 255
                elif kind == 2:
                    row[x] = (row[x] + up) & 255
                elif kind == 3:
                    row[x] = (row[x] + (left + up) // 2) & 255
                elif kind == 4:
                    guess = left + up - corner
                    pa, pb, pc = abs(guess - left), abs(guess - up), abs(guess - corner)
                    best = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                    row[x] = (row[x] + best) & 255
            rows.append(bytes(row))
            previous = row
        self.rows = rows

    def colour(self, x, y):
        at = x * self.step
        return tuple(self.rows[y][at:at + 3])

    def differing(self, other, box=(0, 0, WIDTH, HEIGHT)):
        """How many pixels of the box differ clearly between two pictures."""
        left, top, right, bottom = box
        count = 0
        for y in range(top, bottom):
            mine, theirs = self.rows[y], other.rows[y]
            for x in range(left, right):
                at = x * self.step
                if sum(abs(mine[at + i] - theirs[at + i]) for i in range(3)) > 48:
                    count += 1
        return count


# ---------------------------------------------------------------------------------------------
# The page's server and the browser.


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".data": "application/octet-stream"}

    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def start_browser(profile, log, webgl):
    graphics = (["--use-angle=swiftshader", "--enable-unsafe-swiftshader"] if webgl
                else ["--disable-3d-apis"])
    command = [
        "chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
        "--no-first-run", "--disable-background-networking", "--disable-component-update",
        "--disable-sync", *graphics, "--user-data-dir=" + profile, "--remote-debugging-address=127.0.0.1",
        "--remote-debugging-port=0", "--window-size=1024,900", "about:blank"]
    browser = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=log)
    # Chromium writes the port it took into the profile.
    port_file = os.path.join(profile, "DevToolsActivePort")
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        if browser.poll() is not None:
            fail(f"chromium exited with status {browser.returncode}")
        try:
            with open(port_file) as ports:
                port = int(ports.readline())
            return browser, port
        except (OSError, ValueError):
            time.sleep(0.1)
    fail("chromium opened no DevTools port within 60 s")


def stop_browser(browser):
    browser.terminate()
    try:
        browser.wait(20)
    except subprocess.TimeoutExpired:
        browser.kill()


class Page:
    """One page target, spoken to through the DevTools protocol."""

    def __init__(self, port):
        with urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list", timeout=10) as answer:
            targets = [t for t in json.load(answer) if t["type"] == "page"]
        if not targets:
            fail("chromium has no page")
        self.socket = websocket.create_connection(targets[0]["webSocketDebuggerUrl"],
                                                  timeout=30, suppress_origin=True)
        self.next_id = 0
        self.console = []  # every console line and exception, in order
        self.errors = []  # the console errors and uncaught exceptions among them

    def note(self, message):
        method, params = message.get("method"), message.get("params", {})
        if method == "Runtime.consoleAPICalled":
            text = " ".join(str(a.get("value", a.get("description", ""))) for a in params["args"])
            self.console.append(f"console.{params['type']}: {text}")
            if params["type"] in ("error", "assert"):
                self.errors.append(text)
        elif method == "Runtime.exceptionThrown":
            details = params["exceptionDetails"]
            text = details.get("exception", {}).get("description", details.get("text", ""))
            self.console.append(f"exception: {text}")
            self.errors.append(text)
        elif method == "Log.entryAdded":
            entry = params["entry"]
            self.console.append(f"log.{entry['level']}: {entry['text']} {entry.get('url', '')}")
            if entry["level"] == "error":
                self.errors.append(entry["text"])

    def call(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.next_id:
                if "error" in message:
                    fail(f"{method}: {message['error']}")
                return message.get("result", {})
            self.note(message)

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True)
        if "exceptionDetails" in result:
            fail(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, expression, seconds, what):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.evaluate(expression):
                return
            time.sleep(0.1)
        fail(f"{what} within {seconds} s")

    def picture(self, path):
        box = self.evaluate("(() => { const r = canvas.getBoundingClientRect();"
                            " return [r.left, r.top, r.width, r.height]; })()")
        if box != [0, 0, WIDTH, HEIGHT]:
            fail(f"the canvas lies at {box}, not at 0, 0 as 1024 by 768")
        shot = self.call("Page.captureScreenshot", format="png",
                         clip={"x": 0, "y": 0, "width": WIDTH, "height": HEIGHT, "scale": 1})
        png = base64.b64decode(shot["data"])
        with open(path, "wb") as out:
            out.write(png)
        return Picture(png)

    def key(self, key, code, key_code, location=0, text=None, modifiers=0):
        for kind in ("keyDown", "keyUp"):
            params = {"type": kind, "key": key, "code": code, "windowsVirtualKeyCode": key_code,
                      "nativeVirtualKeyCode": key_code, "location": location,
                      "modifiers": modifiers}
            if text is not None and kind == "keyDown":
                params["text"] = text
            self.call("Input.dispatchKeyEvent", **params)
            time.sleep(0.05)

    def click(self, x, y):
        self.call("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=y)
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      clickCount=1)
            time.sleep(0.05)


def open_game(page, url):
    page.call("Page.navigate", url=url)
    # The game runs once its data is in and its first frame has been asked for.
    page.wait_for("typeof Module === 'object' && Module.calledRun === true", 60,
                  "the game did not start")
    page.wait_for("document.getElementById('cover').style.display === 'none'", 60,
                  "the loading cover did not go")
    # The game picture is exactly 1024 by 768 when the canvas is: the window is made as tall
    # as the canvas and the help line below it.
    help_height = page.evaluate("document.getElementById('help').getBoundingClientRect().height")
    page.call("Emulation.setDeviceMetricsOverride", width=WIDTH,
              height=HEIGHT + int(round(help_height)), deviceScaleFactor=1, mobile=False)
    page.wait_for(f"canvas.width === {WIDTH} && canvas.height === {HEIGHT}", 10,
                  "the canvas did not take the window's size")
    # Where the processor draws, the canvas always has the picture's size and the page lays it
    # out after the resize: its place on the page is waited for too.
    page.wait_for("(() => { const r = canvas.getBoundingClientRect();"
                  f" return r.left === 0 && r.top === 0 && r.width === {WIDTH}"
                  f" && r.height === {HEIGHT}; }})()", 10,
                  "the canvas did not take its place of 1024 by 768 on the page")


def title_is_green(picture):
    green = 0
    for x in range(420, 621, 40):
        r, g, b = picture.colour(x, 742)
        if g > 120 and r < 100 and b < 100:
            green += 1
    return green >= 1


def shows_ship_status(picture):
    """Sector 1's ship status panel: its green frame and ship along the top left corner."""
    green = 0
    for y in range(0, 110, 2):
        for x in range(0, 200, 2):
            r, g, b = picture.colour(x, y)
            if g > 150 and r < 120 and b < 150:
                green += 1
    return green > 100


def wait_for_picture(page, shots, name, test, seconds, what):
    deadline = time.monotonic() + seconds
    while True:
        picture = page.picture(os.path.join(shots, name))
        if test(picture):
            return picture
        if time.monotonic() > deadline:
            fail(what)
        time.sleep(0.25)


def reads(path, words):
    """Whether tesseract reads every word on the screenshot, as it is or made black on white."""
    plain = subprocess.run(["tesseract", path, "-"], capture_output=True, text=True).stdout
    inverted = path + ".ocr.png"
    subprocess.run(["convert", path, "-colorspace", "Gray", "-threshold", "45%", "-negate",
                    inverted], check=True)
    text = plain + subprocess.run(["tesseract", inverted, "-"], capture_output=True,
                                  text=True).stdout
    os.remove(inverted)
    return all(word in text for word in words)


def wait_for_words(page, shots, name, words, seconds):
    deadline = time.monotonic() + seconds
    while True:
        path = os.path.join(shots, name)
        page.picture(path)
        if reads(path, words):
            return
        if time.monotonic() > deadline:
            fail(f"{name}: the words {words} do not show")
        time.sleep(0.25)


def settings_text(page):
    return page.evaluate("(() => { try { return FS.readFile('/settings/settings.ini',"
                         " {encoding: 'utf8'}); } catch (e) { return ''; } })()")


def volume_in(text):
    for line in text.splitlines():
        name, _, value = line.partition("=")
        if name.strip() == "volume":
            return value.strip()
    return None


# Which context the game's canvas holds: "webgl" when WebGL draws the game, "2d" when the
# processor does (a canvas keeps the kind of context it was first given).
CANVAS_CONTEXT = "(canvas.getContext('2d') === null ? 'webgl' : '2d')"


def play(page, url, shots, webgl):
    if webgl:
        open_game(page, url)
        drawn_by = page.evaluate(CANVAS_CONTEXT)
        if drawn_by != "2d":
            fail(f"with SwiftShader's WebGL the game drew with {drawn_by}, not the processor")
        print("graphics: with WebGL drawn by SwiftShader the processor draws the game")
        url += "?webgl"
    started = time.monotonic()
    open_game(page, url)
    print(f"loaded: the game started in {time.monotonic() - started:.1f} s, the canvas "
          f"{WIDTH}x{HEIGHT}")
    has_webgl = page.evaluate("!!document.createElement('canvas').getContext('webgl')")
    if has_webgl != webgl:
        fail(f"the browser {'has' if has_webgl else 'lacks'} WebGL, which this run "
             f"{'lacks' if has_webgl else 'needs'}")
    if page.evaluate("document.getElementById('status').className") == "problem":
        fail("the page shows a problem: " + page.evaluate(
            "document.getElementById('status').textContent"))
    drawn_by = page.evaluate(CANVAS_CONTEXT)
    if drawn_by != ("webgl" if webgl else "2d"):
        fail(f"the game drew with {drawn_by}")
    print("graphics: " + ("WebGL (SwiftShader), asked for with ?webgl" if webgl else
                          "no WebGL, the processor draws and nothing alarming is shown"))

    title = wait_for_picture(page, shots, "web-title.png", title_is_green, 30,
                             "the title shows no green prompt at (400, 730)")
    print("title: the prompt at (400, 730) is green")

    # A browser lets the page's sound start only with the player's first key or click: the
    # game's sound is there, held until then, and runs from the first key on.
    audio = "(Module.SDL2 && Module.SDL2.audioContext) ? Module.SDL2.audioContext.state : 'none'"
    before = page.evaluate(audio)
    if before != "suspended":
        fail(f"before the first key the game's sound is {before}, not suspended")
    page.key("Enter", "Enter", 13, text="\r")
    page.wait_for(f"{audio} === 'running'", 5, "the first key did not start the sound")
    print(f"sound: {before} before the first key, running after it")
    sector = wait_for_picture(
        page, shots, "web-sector1.png",
        lambda p: not title_is_green(p) and shows_ship_status(p), 10,
        "Enter did not show sector 1 with its ship status")
    print(f"sector 1: Enter left the title for the sector, its ship status shown "
          f"({sector.differing(title)} pixels changed)")

    time.sleep(1)
    page.click(700, 400)
    time.sleep(0.4)
    flying = page.picture(os.path.join(shots, "web-flying-1.png"))
    time.sleep(0.5)
    flown = page.picture(os.path.join(shots, "web-flying-2.png"))
    moved = flying.differing(flown, (0, 100, WIDTH, 700))
    if moved < 50:
        fail(f"the picture stood still after the left click ({moved} pixels changed)")
    print(f"click: the ship flew ({moved} pixels changed on its way)")
    # The pace: the game's passes of its frame loop (one a browser animation frame) over 3 s.
    first = page.evaluate("[Browser.mainLoop.currentFrameNumber, performance.now()]")
    time.sleep(3)
    last = page.evaluate("[Browser.mainLoop.currentFrameNumber, performance.now()]")
    print(f"pace: {1000 * (last[0] - first[0]) / (last[1] - first[1]):.1f} frames a second")

    before_menu = page.picture(os.path.join(shots, "web-before-menu.png"))
    page.key("+", "NumpadAdd", 107, location=3, text="+")
    menu = wait_for_picture(page, shots, "web-menu.png",
                            lambda p: p.differing(before_menu) > WIDTH * HEIGHT // 8, 5,
                            "numpad plus opened no menu")
    page.key("Enter", "Enter", 13, text="\r")
    closed = wait_for_picture(page, shots, "web-menu-closed.png",
                              lambda p: p.differing(menu) > WIDTH * HEIGHT // 8, 5,
                              "Enter did not close the menu")
    print(f"menu: numpad plus opened it, Enter closed it ({closed.differing(menu)} pixels "
          "changed)")

    # The game's own menu: Escape opens it; Down, Enter (Options), Down (Music), Left three
    # times: the music at 70%, kept; Escape twice closes it again.
    page.key("Escape", "Escape", 27)
    wait_for_words(page, shots, "web-game-menu.png", ["Resume", "Options", "Quit"], 5)
    for key, code, key_code in (("ArrowDown", "ArrowDown", 40), ("Enter", "Enter", 13),
                                ("ArrowDown", "ArrowDown", 40), ("ArrowLeft", "ArrowLeft", 37),
                                ("ArrowLeft", "ArrowLeft", 37), ("ArrowLeft", "ArrowLeft", 37)):
        page.key(key, code, key_code)
    wait_for_words(page, shots, "web-options.png", ["Options", "Music", "70%"], 5)
    page.wait_for("(() => { try { return /^\\s*music\\s*=\\s*70\\s*$/m.test("
                  "FS.readFile('/settings/settings.ini', {encoding: 'utf8'})); }"
                  " catch (e) { return false; } })()", 5, "the music of 70% was not kept")
    page.key("Escape", "Escape", 27)
    page.key("Escape", "Escape", 27)
    closed = wait_for_picture(page, shots, "web-game-menu-closed.png",
                              lambda p: not reads(os.path.join(shots, "web-game-menu-closed.png"),
                                                  ["Resume"]), 5,
                              "Escape twice did not close the menu")
    # The page's Menu button, for when Escape belongs to the browser's fullscreen; a click on
    # Resume closes the menu.
    button = page.evaluate("(() => { const r = document.getElementById('menu')"
                           ".getBoundingClientRect(); return [r.left + r.width / 2,"
                           " r.top + r.height / 2]; })()")
    page.click(button[0], button[1])
    wait_for_words(page, shots, "web-menu-button.png", ["Paused", "Resume"], 5)
    page.click(400, 284)
    wait_for_picture(page, shots, "web-resumed.png",
                     lambda p: p.differing(closed) < WIDTH * HEIGHT // 4 and not reads(
                         os.path.join(shots, "web-resumed.png"), ["Resume"]), 5,
                     "a click on Resume did not close the menu")
    print("game menu: Escape opened it, the music turned down to 70% was kept, the Menu button "
          "opened it and a click on Resume closed it")

    # A kept setting: the volume one step down, written to the browser's storage, read again
    # after a reload, where the next step goes on from it.
    page.key("9", "Digit9", 57, text="9")
    page.wait_for("(() => { try { return /^\\s*volume\\s*=\\s*90\\s*$/m.test("
                  "FS.readFile('/settings/settings.ini', {encoding: 'utf8'})); }"
                  " catch (e) { return false; } })()", 5, "9 wrote no volume of 90")
    # The write reaches IndexedDB a moment later.
    time.sleep(1)
    open_game(page, url)
    kept = volume_in(settings_text(page))
    if kept != "90":
        fail(f"after the reload the settings hold the volume {kept}, not 90")
    wait_for_picture(page, shots, "web-title-again.png", title_is_green, 30,
                     "after the reload the title shows no green prompt")
    page.key("9", "Digit9", 57, text="9")
    page.wait_for("(() => { try { return /^\\s*volume\\s*=\\s*80\\s*$/m.test("
                  "FS.readFile('/settings/settings.ini', {encoding: 'utf8'})); }"
                  " catch (e) { return false; } })()", 5,
                  "after the reload 9 did not go on from 90 to 80")
    print("settings: the volume 90 was kept across a reload, and 9 went on to 80")

    # Ctrl+Q ends the game as the window's close does on the desktop: the page says so.
    page.call("Input.dispatchKeyEvent", type="rawKeyDown", key="Control", code="ControlLeft",
              windowsVirtualKeyCode=17, location=1, modifiers=2)
    page.key("q", "KeyQ", 81, modifiers=2)
    page.call("Input.dispatchKeyEvent", type="keyUp", key="Control", code="ControlLeft",
              windowsVirtualKeyCode=17, location=1)
    page.wait_for("document.getElementById('status').textContent.startsWith('The game has ended')",
                  5, "Ctrl+Q did not end the game")
    print("quit: Ctrl+Q ended the game, and the page says so")

    # Whatever went wrong in the page along the way is a failure too.
    page.call("Runtime.evaluate", expression="0")
    if page.errors:
        fail("the console showed errors: " + " | ".join(page.errors))
    print(f"console: no error; played in {time.monotonic() - started:.1f} s")


def main():
    if len(sys.argv) not in (3, 4) or sys.argv[3:] not in ([], ["--no-webgl"]):
        print("usage: web_game.py PAGE_FOLDER SCREENSHOT_FOLDER [--no-webgl]", file=sys.stderr)
        return 2
    folder, shots = sys.argv[1], sys.argv[2]
    webgl = sys.argv[3:] != ["--no-webgl"]
    os.makedirs(shots, exist_ok=True)
    for name in ("index.html", "vantor-game.js", "vantor-game.wasm.gz", "vantor-game.data.gz"):
        if not os.path.isfile(os.path.join(folder, name)):
            print(f"FAIL: no {name} in {folder}", file=sys.stderr)
            return 1
    return drive(folder, webgl, Page, lambda page, url: play(page, url, shots, webgl))


def drive(folder, webgl, page_class, play_page):
    """Serves the page folder, starts headless Chromium (with WebGL or without) and plays the
    page with play_page(page, url) on a page_class; 0 when it passes, 1 with what failed, the
    page's console and the browser's last words."""
    server = serve(folder)
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    profile = tempfile.mkdtemp(prefix="vantor-web-")
    browser, page = None, None
    with tempfile.TemporaryFile("w+") as log:
        try:
            browser, port = start_browser(profile, log, webgl)
            page = page_class(port)
            for domain in ("Runtime", "Log", "Page"):
                page.call(domain + ".enable")
            play_page(page, url)
            return 0
        except (Failure, OSError, websocket.WebSocketException) as failure:
            print(f"FAIL: {failure}", file=sys.stderr)
            if page is not None:
                for line in page.console:
                    print(f"page: {line}", file=sys.stderr)
            log.seek(0)
            for line in log.read().splitlines()[-20:]:
                print(f"chromium: {line}", file=sys.stderr)
            return 1
        finally:
            if browser is not None:
                stop_browser(browser)
            server.shutdown()
            shutil.rmtree(profile, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
