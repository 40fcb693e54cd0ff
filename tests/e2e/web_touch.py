#!/usr/bin/python3
"""Plays the web build with a finger alone, as on a phone held sideways: headless Chromium
with touch emulation (a phone-sized landscape viewport, touch points only) over the DevTools
protocol, as web_game.py drives it with keys and a mouse.

Checks, in this order: a tap on the title starts the game and its sound; the Engineering and
Menu buttons show beside the picture, not over it; a tap far right flies the ship; a long
press fires one torpedo (the torpedoes counted five, then four); the Engineering button opens
engineering and its Close button closes it; the Menu button opens the game's menu and a tap on
Resume closes it; no console error. A screenshot of each goes into the screenshot folder.

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
    def touch(self, x, y, hold=0.05):
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


def button_places(page, shots, name):
    """The places of the buttons beside the picture, found by their blue edges, in CSS pixels."""
    picture = page.picture(os.path.join(shots, name))
    left, top, scale = picture_box(page)
    right = left + web_game.WIDTH * scale
    _, canvas_y, _, canvas_height = page.canvas_box()
    canvas_top = int(canvas_y * PHONE_RATIO)
    canvas_bottom = min(picture.height, int((canvas_y + canvas_height) * PHONE_RATIO))
    found = []
    for x_range in (range(0, int(left * PHONE_RATIO) - 6),
                    range(int(right * PHONE_RATIO) + 6, picture.width)):
        if not x_range:
            continue
        x = x_range.start + len(x_range) // 2
        # Down the middle of the bar: each button is a top edge, its inside, a bottom edge
        # (edges a few pixels thick); the top edges are every other run of edge pixels.
        runs = []
        was_edge = False
        for y in range(canvas_top, canvas_bottom):  # not the page's help line below
            r, g, b = picture.colour(x, y)
            edge = b > 200 and g > 150 and r < 140
            if edge and not was_edge:
                runs.append(y)
            was_edge = edge
        found += [(x / PHONE_RATIO, y / PHONE_RATIO) for y in runs[::2]]
    return found


def play(page, url, shots):
    page.call("Emulation.setDeviceMetricsOverride", width=PHONE_WIDTH, height=PHONE_HEIGHT,
              deviceScaleFactor=PHONE_RATIO, mobile=True)
    page.call("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
    # A phone draws with its graphics chip: ?webgl keeps WebGL although headless Chromium's is
    # SwiftShader, where the page would otherwise draw with the processor.
    page.call("Page.navigate", url=url + "?webgl")
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
    wait_for_words(page, shots, "touch-sector1.png", ["Engineering", "Menu"], 30)
    places = button_places(page, shots, "touch-buttons.png")
    if len(places) != 2:
        fail(f"not the two buttons beside the picture: {places}")
    print(f"start: a tap started the game and its sound; {len(places)} buttons beside the "
          "picture (Engineering, Menu)")

    # A tap far right: the ship flies there.
    time.sleep(0.5)
    before = page.picture(os.path.join(shots, "touch-before-fly.png"))
    x, y = at_game(page, 950, 400)
    page.touch(x, y)
    time.sleep(0.8)
    after = page.picture(os.path.join(shots, "touch-flying.png"))
    moved = before.differing(after, (0, 0, after.width, after.height))
    if moved < 50:
        fail(f"the picture stood still after the tap ({moved} pixels changed)")
    print(f"fly: a tap far right flew the ship ({moved} pixels changed)")
    wait_for_words(page, shots, "touch-fire-hint.png", ["Hold,", "second", "finger"], 20)
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
    left, top, scale = picture_box(page)
    right = left + web_game.WIDTH * scale
    button = [place for place in places if place[0] > right]
    if not button:
        fail("no button on the right of the picture")
    page.touch(button[0][0], button[0][1] + 10)
    wait_for_words(page, shots, "touch-engineering.png", ["ENGINEERING", "Close", "Repair"], 20)
    closing = [place for place in button_places(page, shots, "touch-engineering-buttons.png")
               if place[0] > right]
    if len(closing) != 4:
        fail(f"engineering shows {len(closing)} buttons on the right, not 4")
    page.touch(closing[3][0], closing[3][1] + 10)
    wait_for_words(page, shots, "touch-engineering-closed.png", ["Engineering", "Menu"], 20)
    print("engineering: its button opened it, Close closed it")

    # The menu by its button; a tap on Resume closes it.
    menu = [place for place in places if place[0] < left]
    if not menu:
        fail("no Menu button on the left of the picture")
    page.touch(menu[0][0], menu[0][1] + 10)
    wait_for_words(page, shots, "touch-menu.png", ["Paused", "Resume"], 20)
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
    print("menu: the Menu button opened it, a tap on Resume closed it")

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
