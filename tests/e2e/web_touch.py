#!/usr/bin/python3
"""Plays the web build with a finger alone, as on a phone held sideways: headless Chromium
with touch emulation (a phone-sized landscape viewport, touch points only) over the DevTools
protocol, as web_game.py drives it with keys and a mouse.

Checks, in this order: a tap on the title starts the game and its sound; the Engineering and
Menu buttons show, clear of the status bars; a tap flies the ship; a long
press fires one torpedo (the torpedoes counted five, then four); the Engineering button opens
engineering and its Close button closes it; the Menu button opens the game's menu, a tap on the
music slider sets it to 30% (kept in the settings) and a tap on Resume closes it; taps by the
right edge reach the second sector; no console error. A screenshot of each goes into the
screenshot folder.

Usage: web_touch.py PAGE_FOLDER SCREENSHOT_FOLDER
"""

import os
import subprocess
import sys
import time

import web_game
from web_game import fail, reads, wait_for_words

# A phone on its side, in CSS pixels, with three screen pixels to a CSS pixel as phones have;
# screenshots come in screen pixels.
PHONE_WIDTH, PHONE_HEIGHT, PHONE_RATIO = 844, 390, 3


class TouchPage(web_game.Page):
    def touch(self, x, y, hold=0.0):
        """A finger down and up at the CSS point; a tap lifts at once, so that a page slowed by
        a busy machine still sees it lift well within the long press's 0.4 s."""
        point = [{"x": x, "y": y, "id": 1}]
        self.call("Input.dispatchTouchEvent", type="touchStart", touchPoints=point)
        time.sleep(hold)
        self.call("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
        time.sleep(0.1)

    def picture(self, path):
        """The whole page as the phone's screen shows it."""
        shot = self.call("Page.captureScreenshot", format="png")
        png = web_game.base64.b64decode(shot["data"])
        with open(path, "wb") as out:
            out.write(png)
        return web_game.Picture(png)

    def canvas_box(self):
        return self.evaluate("(() => { const r = canvas.getBoundingClientRect();"
                             " return [r.left, r.top, r.width, r.height]; })()")


def picture_box(page):
    """Where the game picture lies on the page: the largest 4:3 box centred in the canvas."""
    left, top, width, height = page.canvas_box()
    scale = min(width / web_game.WIDTH, height / web_game.HEIGHT)
    shown_width, shown_height = web_game.WIDTH * scale, web_game.HEIGHT * scale
    return (left + (width - shown_width) / 2, top + (height - shown_height) / 2, scale)


def at_game(page, x, y):
    left, top, scale = picture_box(page)
    return left + x * scale, top + y * scale


def torpedoes(page, shots, name):
    """The torpedo count of the bottom bar, read from the screenshot."""
    path = os.path.join(shots, name)
    page.picture(path)
    left, top, scale = picture_box(page)
    crop = tuple(int(PHONE_RATIO * value) for value in
                 (44 * scale, 26 * scale, left + 492 * scale, top + 730 * scale))
    digits = path + ".digits.png"
    subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % crop, "+repage", "-resize",
                    "300%", "-colorspace", "Gray", "-negate", digits], check=True)
    text = subprocess.run(["tesseract", digits, "-", "--psm", "7", "-c",
                           "tessedit_char_whitelist=0123456789"], capture_output=True,
                          text=True).stdout.strip()
    os.remove(digits)
    return text


def buttons(page, shots, name):
    """The on-screen buttons on a new screenshot, by the word each shows: their middles in CSS
    pixels. A button is a frame of the buttons' edge colour (90, 190, 255) outside the status
    bars' rows; its word is read from it alone."""
    path = os.path.join(shots, name)
    page.picture(path)
    left, top, scale = picture_box(page)
    # The pixels of the edge colour, within a little of it on each channel, as white.
    channels = []
    for channel, low, high in (("R", 23, 47), ("G", 62, 86), ("B", 90, 100)):
        channels += ["(", "-clone", "0", "-channel", channel, "-separate", "+channel",
                     "-threshold", f"{low}%", ")"]
        if high < 100:
            channels += ["(", "-clone", "0", "-channel", channel, "-separate", "+channel",
                         "-negate", "-threshold", f"{100 - high}%", ")"]
    parts = subprocess.run(
        ["convert", path] + channels +
        ["-delete", "0", "-compose", "multiply", "-flatten",
         "-define", "connected-components:verbose=true",
         "-define", "connected-components:area-threshold=100",
         "-connected-components", "8", "null:"],
        capture_output=True, text=True, check=True).stdout
    found = {}
    for line in parts.splitlines():
        fields = line.split()
        if len(fields) < 5 or fields[-1] != "gray(255)":
            continue
        width, height, x, y = (int(value) for value in fields[1].replace("+", "x").split("x"))
        middle_x, middle_y = (x + width / 2) / PHONE_RATIO, (y + height / 2) / PHONE_RATIO
        row = (middle_y - top) / scale
        if width < 20 * PHONE_RATIO or height < 20 * PHONE_RATIO or not 110 <= row <= 710:
            continue  # a status bar's frame, or a speck
        crop = path + ".button.png"
        # Inside the frame, the white word made black on white.
        subprocess.run(["convert", path, "-crop", f"{width - 16}x{height - 16}+{x + 8}+{y + 8}",
                        "+repage", "-colorspace", "Gray", "-threshold", "60%", "-negate",
                        "-bordercolor", "white", "-border", "20", crop], check=True)
        word = subprocess.run(["tesseract", crop, "-", "--psm", "7"], capture_output=True,
                              text=True).stdout.strip()
        os.remove(crop)
        if word.isalpha():  # not a frame of the picture's own in the same colour
            found[word] = (middle_x, middle_y)
    return found


def wait_for_buttons(page, shots, name, expected, seconds):
    """Waits until exactly the buttons named show; their places by name."""
    deadline = time.monotonic() + seconds
    while True:
        shown = buttons(page, shots, name)
        if sorted(shown) == sorted(expected):
            return shown
        if time.monotonic() > deadline:
            fail(f"{name}: the buttons are {sorted(shown)}, not {sorted(expected)}")
        time.sleep(0.25)


def wait_for_game_words(page, shots, name, words, seconds):
    """As wait_for_words, but read on the canvas alone: the page's help line below says some
    of the same words."""
    deadline = time.monotonic() + seconds
    while True:
        path = os.path.join(shots, name)
        page.picture(path)
        x, y, width, height = (int(PHONE_RATIO * value) for value in page.canvas_box())
        crop = path + ".canvas.png"
        subprocess.run(["convert", path, "-crop", f"{width}x{height}+{x}+{y}", "+repage", crop],
                       check=True)
        found = reads(crop, words)
        os.remove(crop)
        if found:
            return
        if time.monotonic() > deadline:
            fail(f"{name}: the words {words} do not show on the canvas")
        time.sleep(0.25)


def play(page, url, shots):
    page.call("Emulation.setDeviceMetricsOverride", width=PHONE_WIDTH, height=PHONE_HEIGHT,
              deviceScaleFactor=PHONE_RATIO, mobile=True)
    page.call("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
    # Headless Chromium's WebGL is SwiftShader, which the page leaves for the processor's
    # drawing, as on a machine without a graphics chip: the canvas keeps the picture's size and
    # the page scales it, so the buttons lie over the picture's edges.
    page.call("Page.navigate", url=url)
    page.wait_for("typeof Module === 'object' && Module.calledRun === true", 60,
                  "the game did not start")
    page.wait_for("document.getElementById('cover').style.display === 'none'", 60,
                  "the loading cover did not go")
    time.sleep(1)
    page.picture(os.path.join(shots, "touch-title.png"))
    if page.evaluate("getComputedStyle(document.querySelector('.touch')).display") == "none":
        fail("the page shows the mouse's help, not the finger's")

    audio = "(Module.SDL2 && Module.SDL2.audioContext) ? Module.SDL2.audioContext.state : 'none'"
    x, y = at_game(page, 512, 300)
    page.touch(x, y)
    page.wait_for(f"{audio} === 'running'", 5, "the first touch did not start the sound")
    shown = wait_for_buttons(page, shots, "touch-buttons.png", ["Engineering", "Menu"], 30)
    engineering, menu = shown["Engineering"], shown["Menu"]
    print("start: a tap started the game and its sound; the buttons Engineering and Menu show "
          "clear of the status bars")

    # A tap to the right, clear of the buttons: the ship flies there.
    time.sleep(0.5)
    before = page.picture(os.path.join(shots, "touch-before-fly.png"))
    x, y = at_game(page, 700, 250)
    page.touch(x, y)
    time.sleep(0.8)
    after = page.picture(os.path.join(shots, "touch-flying.png"))
    moved = before.differing(after, (0, 0, after.width, after.height))
    if moved < 50:
        fail(f"the picture stood still after the tap ({moved} pixels changed)")
    print(f"fly: a tap flew the ship ({moved} pixels changed)")
    wait_for_game_words(page, shots, "touch-fire-hint.png", ["Hold,", "second", "finger"], 20)
    print("hint: the next hint speaks of holding, not of clicks")

    # A long press fires once.
    count = torpedoes(page, shots, "touch-torpedoes-before.png")
    x, y = at_game(page, 600, 200)
    page.touch(x, y, hold=0.8)
    time.sleep(0.5)
    after_count = torpedoes(page, shots, "touch-torpedoes-after.png")
    if count != "5" or after_count != "4":
        fail(f"a long press left the torpedoes at {after_count!r} from {count!r}, not 4 from 5")
    print("fire: a long press fired one torpedo (5, then 4)")

    # Engineering by its button, closed by Close.
    page.touch(*engineering)
    wait_for_words(page, shots, "touch-engineering.png", ["ENGINEERING", "Close", "Repair"], 20)
    shown = wait_for_buttons(page, shots, "touch-engineering-buttons.png",
                             ["Repair", "Warp", "Research", "Close", "Menu"], 20)
    page.touch(*shown["Close"])
    wait_for_buttons(page, shots, "touch-engineering-closed.png", ["Engineering", "Menu"], 20)
    print("engineering: its button opened it, Close closed it")

    # The menu by its button; a tap on Resume closes it.
    page.touch(*menu)
    wait_for_words(page, shots, "touch-menu.png", ["Paused", "Resume"], 20)
    # Options (the second row), the music slider at 30% (its second row, the bar from game
    # x 540 to 800), Back (the last row), then Resume.
    page.touch(*at_game(page, 400, 330))
    wait_for_words(page, shots, "touch-options.png", ["Options", "Music"], 20)
    page.touch(*at_game(page, 540 + 0.3 * 260, 199))
    deadline = time.monotonic() + 10
    while "music = 30" not in web_game.settings_text(page).splitlines():
        if time.monotonic() > deadline:
            fail("a tap on the music slider did not keep music = 30: "
                 + web_game.settings_text(page))
        time.sleep(0.25)
    page.touch(*at_game(page, 400, 639))
    wait_for_words(page, shots, "touch-menu-again.png", ["Paused", "Resume"], 20)
    x, y = at_game(page, 400, 284)
    page.touch(x, y)
    deadline = time.monotonic() + 20
    while True:
        path = os.path.join(shots, "touch-resumed.png")
        page.picture(path)
        if not reads(path, ["Resume"]):
            break
        if time.monotonic() > deadline:
            fail("a tap on Resume did not close the menu")
        time.sleep(0.25)
    print("menu: the Menu button opened it, the music set to 30% by a tap and kept, a tap on "
          "Resume closed it")

    # Taps by the right edge fly the ship on into the second sector, which says so.
    deadline = time.monotonic() + 60
    while True:
        page.touch(*at_game(page, 1010, 140))
        time.sleep(0.5)
        path = os.path.join(shots, "touch-sector2.png")
        page.picture(path)
        # The banner's band alone, read quickly enough to catch its two seconds.
        left, top, scale = picture_box(page)
        band = tuple(int(PHONE_RATIO * value) for value in
                     (web_game.WIDTH * scale, 80 * scale, left, top + 215 * scale))
        crop = path + ".band.png"
        subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % band, "+repage", crop],
                       check=True)
        found = reads(crop, ["Sector 2 of"])
        os.remove(crop)
        if found:
            break
        if time.monotonic() > deadline:
            fail("taps by the right edge did not reach the second sector")
    print("sector 2: taps by the right edge flew the ship there")

    page.call("Runtime.evaluate", expression="0")
    if page.errors:
        fail("the console showed errors: " + " | ".join(page.errors))
    print("console: no error")


def main():
    if len(sys.argv) != 3:
        print("usage: web_touch.py PAGE_FOLDER SCREENSHOT_FOLDER", file=sys.stderr)
        return 2
    folder, shots = sys.argv[1], sys.argv[2]
    os.makedirs(shots, exist_ok=True)
    return web_game.drive(folder, True, TouchPage, lambda page, url: play(page, url, shots))


if __name__ == "__main__":
    sys.exit(main())
