#!/usr/bin/python3
"""Measures web packages in headless Chromium over the DevTools protocol, each beside the others
in one run: the page served by Python's plain http.server (no compression), as a player's
browser gets it.

For each package folder: the bytes the page downloads; the time from its data loaded (the end
of the download of its .data file, compressed or not) to the title shown (the loading cover
gone); the blocking time of the start's long tasks; the WebAssembly memory at the title and
after a minute of play (Enter, then a click to fly and a torpedo every second), once as the
page opens (in this Chromium WebGL is SwiftShader, so the processor draws and the pictures
live in that memory) and once with the page asked to draw with WebGL ("?webgl", where the
pictures are WebGL's textures, as on a machine with graphics hardware); the game's frames a second with WebGL turned off; and, with
LIGHTHOUSE set to npm's lighthouse program, Lighthouse's performance score and total blocking
time (desktop preset, no throttling) and its accessibility, best-practices and SEO scores.

Usage: web_measure.py NAME=FOLDER [NAME=FOLDER ...]
The first is the one the targets are for; the rest are references printed beside it. Exit
status 0 when every target is met, 1 when one is missed, 2 when it could not be measured.
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import web_game  # noqa: E402  (the page's server, the browser and the DevTools page)

MB = 1e6
TARGETS = {  # figure: (target, smaller is better); None: shown without a target
    "bytes": (10 * MB, True),
    "to_title_ms": (300, True),
    "memory_title_webgl": (40 * 2**20, True),
    "memory_minute_webgl": (40 * 2**20, True),
    "memory_title": (None, True),
    "memory_minute": (None, True),
    "fps_no_webgl": (60, False),
    "start_blocking_ms": (300, True),
    "lighthouse_performance": (90, False),
    "lighthouse_tbt_ms": (300, True),
}

# When the cover goes, and the main thread's long tasks, as seen by the page itself from its
# first moment.
WATCH_COVER = """
window.__coverGone = null;
window.__longTasks = [];
new PerformanceObserver(list => {
  for (const task of list.getEntries()) window.__longTasks.push([task.startTime, task.duration]);
}).observe({type: 'longtask', buffered: true});
document.addEventListener('DOMContentLoaded', () => {
  const cover = document.getElementById('cover');
  if (!cover) return;
  new MutationObserver(() => {
    if (cover.style.display === 'none' && window.__coverGone === null) {
      window.__coverGone = performance.now();
    }
  }).observe(cover, {attributes: true});
});
"""


def with_page(folder, webgl, work):
    server = web_game.serve(folder)
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    profile = tempfile.mkdtemp(prefix="vantor-web-bench-")
    log = tempfile.TemporaryFile("w+")
    browser, port = web_game.start_browser(profile, log, webgl)
    try:
        page = web_game.Page(port)
        for domain in ("Runtime", "Log", "Page"):
            page.call(domain + ".enable")
        page.call("Page.addScriptToEvaluateOnNewDocument", source=WATCH_COVER)
        return work(page, url)
    finally:
        web_game.stop_browser(browser)
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)
        log.close()


def started(page, url):
    page.call("Page.navigate", url=url)
    deadline = time.monotonic() + 90
    while time.monotonic() < deadline:
        if page.evaluate("window.__coverGone !== null && typeof wasmMemory === 'object'"):
            return True
        if page.evaluate("document.getElementById('status') !== null && "
                         "document.getElementById('status').className === 'problem'"):
            return False
        time.sleep(0.05)
    return False


def measure_play(page, url):
    figures = {}
    if not started(page, url):
        return {"error": page.evaluate("document.getElementById('status').textContent")}
    time.sleep(0.5)
    figures["bytes"] = page.evaluate(
        "performance.getEntriesByType('navigation').concat(performance.getEntriesByType("
        "'resource')).reduce((sum, e) => sum + e.transferSize, 0)")
    data_end = page.evaluate(
        "Math.max(...performance.getEntriesByType('resource').filter(e => "
        "/vantor-game\\.data/.test(e.name)).map(e => e.responseEnd))")
    figures["to_title_ms"] = page.evaluate("window.__coverGone") - data_end
    figures["memory_title"] = page.evaluate("wasmMemory.buffer.byteLength")
    # Blocking time as Lighthouse counts it (what each long task lasts past 50 ms), from the
    # page's start to 5 s after the title showed.
    time.sleep(5)
    tasks = page.evaluate("window.__longTasks.filter(t => t[0] < window.__coverGone + 5000)")
    figures["start_blocking_ms"] = sum(max(0, duration - 50) for _, duration in tasks)
    figures["start_longest_task_ms"] = max((duration for _, duration in tasks), default=0)
    page.key("Enter", "Enter", 13, text="\r")
    end = time.monotonic() + 60
    corner = 0
    while time.monotonic() < end:
        x, y = ((250, 250), (800, 250), (800, 600), (250, 600))[corner % 4]
        page.click(x, y)
        page.call("Input.dispatchMouseEvent", type="mousePressed", x=512, y=300,
                  button="right", clickCount=1)
        page.call("Input.dispatchMouseEvent", type="mouseReleased", x=512, y=300,
                  button="right", clickCount=1)
        corner += 1
        time.sleep(1)
    figures["memory_minute"] = page.evaluate("wasmMemory.buffer.byteLength")
    return figures


def measure_pace(page, url):
    if not started(page, url):
        return {"fps_no_webgl": None,
                "no_webgl_said": page.evaluate("document.getElementById('status').textContent")}
    page.key("Enter", "Enter", 13, text="\r")
    page.click(700, 400)
    time.sleep(2)
    first = page.evaluate("[Browser.mainLoop.currentFrameNumber, performance.now()]")
    time.sleep(10)
    last = page.evaluate("[Browser.mainLoop.currentFrameNumber, performance.now()]")
    return {"fps_no_webgl": 1000 * (last[0] - first[0]) / (last[1] - first[1])}


def measure_lighthouse(folder, lighthouse):
    server = web_game.serve(folder)
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    out = tempfile.mkdtemp(prefix="vantor-lighthouse-")
    try:
        report = os.path.join(out, "report.json")
        subprocess.run(
            [lighthouse, url, "--preset=desktop", "--throttling-method=provided",
             "--only-categories=performance,accessibility,best-practices,seo",
             "--output=json", "--output-path=" + report, "--quiet",
             "--chrome-flags=--headless=new --no-sandbox"],
            env={**os.environ, "CHROME_PATH": "/usr/bin/chromium"}, check=True, timeout=300)
        with open(report) as file:
            result = json.load(file)
        categories = result["categories"]
        performance = categories["performance"]["score"]
        return {
            "lighthouse_performance": None if performance is None else round(100 * performance),
            "lighthouse_tbt_ms": result["audits"]["total-blocking-time"].get("numericValue"),
            "lighthouse_warnings": result.get("runWarnings", []),
            "lighthouse_other": {name: categories[name]["score"]
                                 for name in ("accessibility", "best-practices", "seo")},
        }
    finally:
        server.shutdown()
        shutil.rmtree(out, ignore_errors=True)


def show(value, figure):
    if value is None:
        return "does not start" if figure == "fps_no_webgl" else "not measured"
    if figure == "bytes":
        return f"{value / MB:.2f} MB"
    if figure.startswith("memory"):
        return f"{value / 2**20:.0f} MiB"
    if figure.endswith("_ms") or figure == "start_longest_task_ms":
        return f"{value:.0f} ms"
    if figure == "fps_no_webgl":
        return f"{value:.1f}/s"
    return f"{value}"


def main():
    packages = [argument.split("=", 1) for argument in sys.argv[1:]]
    if not packages or any(len(package) != 2 for package in packages):
        print("usage: web_measure.py NAME=FOLDER [NAME=FOLDER ...]", file=sys.stderr)
        return 2
    lighthouse = os.environ.get("LIGHTHOUSE")
    results = {}
    for name, folder in packages:
        figures = with_page(folder, True, measure_play)
        webgl = with_page(folder, True, lambda page, url: measure_play(page, url + "?webgl"))
        figures["memory_title_webgl"] = webgl.get("memory_title")
        figures["memory_minute_webgl"] = webgl.get("memory_minute")
        figures.update(with_page(folder, False, measure_pace))
        if lighthouse:
            try:
                figures.update(measure_lighthouse(folder, lighthouse))
            except (subprocess.SubprocessError, OSError, KeyError, ValueError) as error:
                print(f"web: Lighthouse could not measure {name}: {error}", file=sys.stderr)
        results[name] = figures
        print(f"measured {name}: {json.dumps(figures)}", file=sys.stderr)
    if "error" in results[packages[0][0]]:
        print(f"web: {packages[0][0]} could not be measured: {results[packages[0][0]]['error']}")
        return 2
    names = [name for name, _ in packages]
    print("| Figure | " + " | ".join(names) + " | Target | Met |")
    print("|---|" + "---|" * len(names) + "---|---|")
    missed = 0
    for figure, (target, smaller) in TARGETS.items():
        values = [results[name].get(figure) for name in names]
        if figure.startswith("lighthouse") and not lighthouse:
            continue
        value = values[0]
        if target is None:
            print(f"| {figure} | " + " | ".join(show(v, figure) for v in values) + " | | |")
            continue
        met = value is not None and (value <= target if smaller else value >= target - 0.5)
        missed += 0 if met else 1
        print(f"| {figure} | " + " | ".join(show(v, figure) for v in values) +
              f" | {'<=' if smaller else '>='} {show(target, figure)} | {'yes' if met else 'NO'} |")
    print("| longest task in the start | " + " | ".join(
        show(results[name].get("start_longest_task_ms"), "start_longest_task_ms")
        for name in names) + " | | |")
    for name in names:
        if "lighthouse_other" in results[name]:
            print(f"{name}: Lighthouse {results[name]['lighthouse_other']}, warnings: "
                  f"{results[name]['lighthouse_warnings']}")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
