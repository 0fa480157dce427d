#!/usr/bin/python3
"""`trovix html` pages opened in headless Chromium with every network request refused.

usage: html_browser.py TROVIX HTML_FIXTURES EXAMPLE.tbk MAKE_EXAMPLE
       html_browser.py --time PAGE.html   (prints how long the page takes to its load event)
       html_browser.py --zoomed PAGE.html X Y TIMES OUT.png
                                          (the map wheeled TIMES about its pixel X Y and dragged
                                          so that X Y is in the middle, as a PNG: docs/)

Chromium is driven through its DevTools protocol, so that console errors, exceptions and
network requests are seen as they happen."""
import base64
import hashlib
import io
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.request

import websocket
from PIL import Image

TRACK_COLOUR = (0x1F, 0x5F, 0xD6)  # the first track's
WAYPOINT_COLOUR = (0xFF, 0xC4, 0x00)


class Browser:
    def __init__(self, folder):
        self.process = subprocess.Popen(
            ["chromium", "--headless", "--disable-gpu", "--no-sandbox", "--no-first-run",
             "--proxy-server=127.0.0.1:9", "--host-resolver-rules=MAP * ~NOTFOUND",
             "--remote-debugging-port=0", "--remote-allow-origins=*",
             "--user-data-dir=" + os.path.join(folder, "profile"), "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        port = None
        for line in self.process.stderr:
            found = re.search(r"DevTools listening on ws://[^:]+:(\d+)/", line)
            if found:
                port = found.group(1)
                break
        if port is None:
            raise RuntimeError("chromium did not start")
        opener = urllib.request.build_opener(urllib.request.ProxyHandler({}))
        targets = json.load(opener.open("http://127.0.0.1:%s/json/list" % port))
        page = next(t for t in targets if t["type"] == "page")
        self.ws = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=120, suppress_origin=True)
        self.next_id = 0
        self.events = []
        for domain in ("Page", "Runtime", "Log", "Network"):
            self.call(domain + ".enable")
        self.call("Emulation.setDeviceMetricsOverride", width=1200, height=1000, deviceScaleFactor=1, mobile=False)

    def call(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError("%s: %s" % (method, message["error"]))
                return message.get("result", {})
            self.events.append(message)

    def open(self, path):
        """Loads the page; returns its console errors and exceptions, and every request that is
        not for the page itself."""
        self.events = []
        url = "file://" + os.path.abspath(path)
        self.call("Page.navigate", url=url)
        while not any(e.get("method") == "Page.loadEventFired" for e in self.events):
            self.events.append(json.loads(self.ws.recv()))
        self.js("new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))")
        return self.problems(url)

    def problems(self, url, blobs=False):
        """Console errors and exceptions, and requests other than for url since the page was
        opened; blobs: downloads of what the page made in memory count as no request."""
        errors, requests = [], []
        for e in self.events:
            method, params = e.get("method"), e.get("params", {})
            if method == "Runtime.exceptionThrown":
                errors.append(params["exceptionDetails"].get("text"))
            elif method == "Runtime.consoleAPICalled" and params.get("type") == "error":
                errors.append(str(params.get("args")))
            elif method == "Log.entryAdded" and params["entry"].get("level") == "error":
                errors.append(params["entry"].get("text"))
            elif method == "Network.requestWillBeSent":
                target = params["request"]["url"]
                if target != url and not (blobs and target.startswith("blob:")):
                    requests.append(target)
        return errors, requests

    def js(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=True)
        return result["result"].get("value")

    def screenshot(self, selector):
        box = self.js("(() => { const r = document.querySelector(%r).getBoundingClientRect();"
                      " return {x: r.x + scrollX, y: r.y + scrollY, width: r.width, height: r.height, scale: 1}; })()"
                      % selector)
        png = self.call("Page.captureScreenshot", format="png", clip=box)["data"]
        return Image.open(io.BytesIO(base64.b64decode(png))).convert("RGB")

    def close(self):
        self.ws.close()
        self.process.terminate()
        self.process.wait(30)


failures = []


def check(what, ok, detail=""):
    print(("ok    " if ok else "FAIL  ") + what + ("" if ok else ": " + str(detail)))
    if not ok:
        failures.append(what)


def html(trovix, source, page, *options):
    return subprocess.run([trovix, "html", source, "-o", page, *options], capture_output=True, text=True)


def near(pixel, colour, tolerance=40):
    return sum((a - b) ** 2 for a, b in zip(pixel, colour)) <= tolerance ** 2


def example(browser, trovix, source, folder):
    page = os.path.join(folder, "example.html")
    run = html(trovix, source, page)
    check("example: exit 0", run.returncode == 0, run.stderr)
    check("example: page at most 200 KB", os.path.getsize(page) <= 200 * 1024, os.path.getsize(page))
    errors, requests = browser.open(page)
    check("example: no console error", not errors, errors)
    check("example: no network request", not requests, requests)

    dump = json.loads(subprocess.run([trovix, "dump", source], capture_output=True, check=True).stdout)
    with_altitudes = sum(1 for t in dump["tracks"] if any(p[2] is not None for p in t["points"]))
    counts = browser.js("['svg.map circle.waypoint', 'svg.map path.track', 'svg.map path.route', 'svg.profile']"
                        ".map(s => document.querySelectorAll(s).length)")
    check("example: a marker per waypoint, a line per track and route, a profile per track with altitudes",
          counts == [len(dump["waypoints"]), len(dump["tracks"]), len(dump["routes"]), with_altitudes], counts)
    names = browser.js("[...document.querySelectorAll('circle.waypoint')].map(c => c.dataset.name).sort()")
    check("example: markers named as the waypoints", names == sorted(w["name"] for w in dump["waypoints"]))

    shot = browser.screenshot("svg.map")
    pixels = list(shot.getdata())
    track = sum(1 for p in pixels if near(p, TRACK_COLOUR))
    markers = sum(1 for p in pixels if near(p, WAYPOINT_COLOUR))
    check("example: the map shows the track's colour", track >= 10, track)
    check("example: the map shows the waypoints' markers", markers >= 20 * len(dump["waypoints"]), markers)
    check("example: the map is not blank", len(set(pixels)) > 20, len(set(pixels)))

    zoomed = browser.js("(() => { const s = document.querySelector('svg.map'), r = s.getBoundingClientRect();"
                        " const w = s.viewBox.baseVal.width;"
                        " s.dispatchEvent(new WheelEvent('wheel', {deltaY: -300, clientX: r.x + 100, clientY: r.y + 100,"
                        " bubbles: true, cancelable: true}));"
                        " return s.viewBox.baseVal.width / w; })()")
    check("example: the wheel zooms the map", 0.4 < zoomed < 0.9, zoomed)

    # The policy allows the page's own script by its hash, and nothing inline besides.
    with open(page, encoding="utf-8") as f:
        text = f.read()
    policy = re.search(r'Content-Security-Policy" content="([^"]*)"', text).group(1)
    script = re.search(r"<script>(.*?)</script>", text, re.S).group(1)
    digest = "'sha256-%s'" % base64.b64encode(hashlib.sha256(script.encode("utf-8")).digest()).decode()
    script_src = next(p.strip() for p in policy.split(";") if p.strip().startswith("script-src"))
    check("example: script allowed by its hash only", script_src == "script-src " + digest, (script_src, digest))
    ran = browser.js("new Promise(r => { document.body.insertAdjacentHTML('beforeend',"
                     " '<img src=\"x.png\" onerror=\"window.slipped = 1\">');"
                     " setTimeout(() => r(window.slipped === undefined), 300); })")
    check("example: an injected handler does not run", ran is True, ran)


# Wheels the n-th map of the page in `times` steps about the map's pixel (x, y), then waits for
# the script's drawing; gives what `then` (an expression of s, the map) says after.
def wheel(browser, x, y, times, then, n=0):
    return browser.js(
        "(async () => { const s = document.querySelectorAll('svg.map')[%d];"
        " for (let i = 0; i < %d; i++) { const r = s.getBoundingClientRect(), b = s.viewBox.baseVal;"
        " s.dispatchEvent(new WheelEvent('wheel', {deltaY: -400, bubbles: true, cancelable: true,"
        " clientX: r.x + (%r - b.x) / b.width * r.width, clientY: r.y + (%r - b.y) / b.height * r.height})); }"
        " await new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)));"
        " return %s; })()" % (n, times, x, y, then))


SHOWN = "[...s.querySelectorAll('.labels text')].filter(t => getComputedStyle(t).display != 'none')"
SIZES = ("[s.querySelector('circle.waypoint').getBoundingClientRect().width,"
         " Math.max(...%s.map(t => t.getBoundingClientRect().height)), %s.length,"
         " s.querySelector('path.track').getAttribute('d').length]" % (SHOWN, SHOWN))


def zoomed(browser, trovix, source, folder):
    page = os.path.join(folder, "zoom.html")
    html(trovix, source, page)
    browser.open(page)
    before = browser.js("(() => { const s = document.querySelector('svg.map'); return %s; })()" % SIZES)
    # Zermatt, where markers crowd: sixteen times nearer.
    after = wheel(browser, 187, 347, 4, SIZES)
    check("zoom: a marker as wide on screen after the wheel as before", abs(after[0] - before[0]) < 0.5,
          (before, after))
    check("zoom: labels as high on screen", abs(after[1] - before[1]) < 1.5, (before, after))
    check("zoom: labels without room at full view show", after[2] > before[2], (before, after))
    check("zoom: the track drawn finer", after[3] > before[3], (before, after))

    clicked = browser.js(
        "(() => { const row = document.querySelectorAll('table.waypoints tbody tr')[5];"
        " row.cells[0].click(); const c = document.querySelector('svg.map circle.waypoint.selected');"
        " return [row.cells[0].textContent, c && c.dataset.name, row.classList.contains('selected'),"
        " document.querySelectorAll('svg.map circle.waypoint.selected').length]; })()")
    check("select: a click on a row highlights its marker", clicked[0] == clicked[1] and clicked[2:] == [True, 1],
          clicked)
    clicked = browser.js(
        "(() => { const c = document.querySelectorAll('svg.map circle.waypoint')[20];"
        " c.dispatchEvent(new PointerEvent('pointerdown', {bubbles: true})); c.dispatchEvent(new MouseEvent('click',"
        " {bubbles: true})); const r = document.querySelector('table.waypoints tr.selected');"
        " const box = r.getBoundingClientRect();"
        " return [c.dataset.name, r.cells[0].textContent, c.classList.contains('selected'),"
        " box.top >= 0 && box.bottom <= innerHeight]; })()")
    check("select: a click on a marker selects its row, scrolled into view", clicked[0] == clicked[1] and
          clicked[2:] == [True, True], clicked)

    table = browser.js(
        "(() => { const t = document.querySelector('table.waypoints'), names = () =>"
        " [...t.tBodies[0].rows].filter(r => !r.hidden).map(r => r.cells[0].textContent);"
        " t.tHead.rows[0].cells[3].click(); t.tHead.rows[0].cells[3].click();"
        " const highest = names()[0]; const f = t.closest('section').querySelector('input.filter');"
        " f.value = 'HÜTTE'; f.dispatchEvent(new Event('input')); return [highest, names()]; })()")
    check("tables: a click on a heading sorts (twice: highest first)", table[0] == "Mont Blanc", table[0])
    check("tables: the text box filters", table[1] and all("hütte" in n.lower() for n in table[1])
          and len(table[1]) == 5, table[1])


def two_maps(browser, trovix, source, folder):
    """Two files' pages in one, as a page that shows several files does: each map keeps to its
    own markers and table."""
    page = os.path.join(folder, "two.html")
    html(trovix, source, page)
    with open(page, encoding="utf-8") as f:
        text = f.read()
    body = re.search(r"<body>(.*)<script>", text, re.S).group(1)
    script = re.search(r"<script>(.*?)</script>", text, re.S).group(1)
    browser.open(page)
    browser.js("(() => { document.body.innerHTML = '<div>' + %s + '</div><div>' + %s + '</div>'; })()"
               % (json.dumps(body), json.dumps(body)))
    # As the page that embeds them would: the script run once more over the new maps.
    browser.call("Runtime.evaluate", expression=script)
    widths = wheel(browser, 187, 347, 2, "[...document.querySelectorAll('svg.map')].map(m => m.viewBox.baseVal.width)",
                   n=1)
    check("two maps: the wheel zooms the map under it only", widths[0] > widths[1] * 3, widths)
    picked = browser.js(
        "(() => { const second = document.querySelectorAll('body > div')[1];"
        " second.querySelectorAll('table.waypoints tbody tr')[3].cells[0].click();"
        " return [...document.querySelectorAll('body > div')].map(d =>"
        " [d.querySelectorAll('circle.waypoint.selected').length, d.querySelectorAll('tr.selected').length,"
        " d.querySelectorAll('input.filter').length]); })()")
    check("two maps: a row selects the marker of its own map", picked == [[0, 0, 3], [1, 1, 3]], picked)


def big(browser, trovix, make_example, folder):
    source, page = os.path.join(folder, "big.tbk"), os.path.join(folder, "big.html")
    subprocess.run([make_example, "--waypoints", "200000", source], check=True, capture_output=True)
    run = html(trovix, source, page)
    check("200,000 waypoints: exit 0", run.returncode == 0, run.stderr)
    size = os.path.getsize(page)
    check("200,000 waypoints: page at most 8 MB", size <= 8 * 1024 * 1024, size)
    start = time.monotonic()
    errors, requests = browser.open(page)
    seconds = time.monotonic() - start
    print("      200,000 waypoints: %.1f MB, ready in %.2f s" % (size / 1048576, seconds))
    check("200,000 waypoints: ready within 5 s", seconds <= 5, seconds)
    check("200,000 waypoints: no console error, no request", not errors and not requests, (errors, requests))
    full = browser.js("(() => { const s = document.querySelector('svg.map'); return [s.querySelectorAll('g.group')"
                      ".length, [...s.querySelectorAll('g.group')].reduce((n, g) => n + +g.dataset.n, 0)"
                      " + s.querySelectorAll('circle.waypoint').length,"
                      " document.querySelectorAll('table.waypoints tbody tr').length,"
                      " document.querySelector('#waypoint-table .note').textContent]; })()")
    check("200,000 waypoints: markers grouped with their counts", 0 < full[0] < 2000 and full[1] == 200000, full)
    check("200,000 waypoints: the first rows and a note of how many", 0 < full[2] < 200000 and "200000" in full[3],
          full)
    near = wheel(browser, 480, 320, 8, "[s.querySelectorAll('g.group').length, s.querySelectorAll('circle.waypoint')"
                 ".length]")
    check("200,000 waypoints: the groups split as the map zooms", near[1] > near[0], near)


def zoomed_picture(browser, x, y, times, out):
    """As a user would, with the mouse: the wheel over the map's pixel (x, y), then a drag that
    brings it to the middle."""
    browser.js("document.querySelector('svg.map').scrollIntoView()")
    where = "(() => { const s = document.querySelector('svg.map'), r = s.getBoundingClientRect()," \
            " b = s.viewBox.baseVal; return [r.x + (%r - b.x) / b.width * r.width," \
            " r.y + (%r - b.y) / b.height * r.height, r.x + r.width / 2, r.y + r.height / 2]; })()" % (x, y)
    for _ in range(times):
        at = browser.js(where)
        browser.call("Input.dispatchMouseEvent", type="mouseWheel", x=at[0], y=at[1], deltaX=0, deltaY=-350)
    at = browser.js(where)
    browser.call("Input.dispatchMouseEvent", type="mousePressed", x=at[0], y=at[1], button="left", clickCount=1)
    for step in range(1, 11):
        browser.call("Input.dispatchMouseEvent", type="mouseMoved", button="left", buttons=1,
                     x=at[0] + (at[2] - at[0]) * step / 10, y=at[1] + (at[3] - at[1]) * step / 10)
    browser.call("Input.dispatchMouseEvent", type="mouseReleased", x=at[2], y=at[3], button="left", clickCount=1)
    browser.js("new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))")
    browser.screenshot("svg.map").save(out)


def shift_jis(browser, trovix, folder):
    page = os.path.join(folder, "sjis.html")
    run = html(trovix, os.path.join(folder, "sjis.tbk"), page, "--codepage", "932")
    check("Shift-JIS: exit 0", run.returncode == 0, run.stderr)
    browser.open(page)
    names = browser.js("[document.querySelector('circle.waypoint').dataset.name,"
                       " document.querySelector('table.waypoints td').textContent,"
                       " document.querySelector('path.track').dataset.name]")
    check("Shift-JIS: names in the DOM as their characters", names == ["富士山", "富士山", "登山道"], names)


def antimeridian(browser, trovix, folder):
    page = os.path.join(folder, "antimeridian.html")
    run = html(trovix, os.path.join(folder, "antimeridian.tbk"), page)
    check("antimeridian: exit 0", run.returncode == 0, run.stderr)
    browser.open(page)
    bounds = browser.js("(() => { const d = document.querySelector('svg.map').dataset;"
                        " return [+d.west, +d.east]; })()")
    check("antimeridian: the map is as wide as the data, not the world",
          abs(bounds[0] - 179.0) < 0.01 and abs(bounds[1] - 181.0) < 0.01, bounds)
    widths = browser.js("['path.track', 'path.route', 'svg.map'].map(s => document.querySelector(s).getBBox().width)")
    check("antimeridian: track and route drawn in one piece", max(widths[:2]) < widths[2] * 0.99, widths)
    name = browser.js("[document.querySelectorAll('circle.waypoint')[0].dataset.name,"
                      " document.querySelectorAll('svg.map b, table b').length]")
    check("antimeridian: a name of HTML's special characters shown as it is", name == ['Date <Line> & "Co"', 0], name)


def altitudes(browser, trovix, folder):
    page = os.path.join(folder, "altitudes.html")
    run = html(trovix, os.path.join(folder, "altitudes.tbk"), page)
    check("altitudes: exit 0", run.returncode == 0, run.stderr)
    errors, _ = browser.open(page)
    check("altitudes: no console error", not errors, errors)
    with open(page, encoding="utf-8") as f:
        text = f.read()
    numbers = [float(n) for n in re.findall(r'(?:\b[xy]|cx|cy)="(-?[0-9.e+]+)"', text)]
    numbers += [float(n) for d in re.findall(r' d="([^"]*)"', text) for n in re.findall(r"-?[0-9.]+", d)]
    check("altitudes: every pixel finite and on the page", numbers and max(map(abs, numbers)) < 1e5,
          max(map(abs, numbers)) if numbers else None)
    check("altitudes: no infinity or NaN", not re.search(r"\b(inf|nan)\b", text, re.I))
    notes = browser.js("[...document.querySelectorAll('#profiles figure p.none')].map(p => p.textContent)")
    profiles = browser.js("document.querySelectorAll('svg.profile').length")
    check("altitudes: a note for each track that cannot be drawn, the others drawn",
          len(notes) == 2 and all("cannot be drawn" in n for n in notes) and profiles == 2, (notes, profiles))


def damaged_and_empty(browser, trovix, folder):
    page = os.path.join(folder, "damaged.html")
    run = html(trovix, os.path.join(folder, "damaged.tbk"), page)
    check("damaged: exit 2 and no page", run.returncode == 2 and not os.path.exists(page), run.returncode)
    run = html(trovix, os.path.join(folder, "damaged.tbk"), page, "--partial")
    check("damaged --partial: exit 2 and a page", run.returncode == 2 and os.path.exists(page), run.returncode)
    browser.open(page)
    seen = browser.js("[[...document.querySelectorAll('circle.waypoint')].map(c => c.dataset.name),"
                      " !!document.querySelector('p.partial')]")
    check("damaged --partial: what was read, and a line saying the rest was not", seen == [["Kept"], True], seen)

    page = os.path.join(folder, "empty.html")
    run = html(trovix, os.path.join(folder, "empty.tbk"), page)
    check("empty: exit 0", run.returncode == 0, run.stderr)
    errors, _ = browser.open(page)
    says = browser.js("[...document.querySelectorAll('p.none')].map(p => p.textContent).join(' | ')")
    check("empty: no error, a page that says so", not errors and "no waypoints, routes or tracks" in says, says)


def main():
    folder = tempfile.mkdtemp(prefix="trovix-html-")
    browser = None
    try:
        browser = Browser(folder)
        if sys.argv[1] == "--time":
            start = time.monotonic()
            errors, requests = browser.open(sys.argv[2])
            print("%s: load event after %.0f ms (errors %s, requests %s)"
                  % (sys.argv[2], (time.monotonic() - start) * 1000, errors, requests))
            return 0
        if sys.argv[1] == "--zoomed":
            page, x, y, times, out = sys.argv[2:7]
            browser.open(page)
            zoomed_picture(browser, float(x), float(y), int(times), out)
            return 0
        trovix, fixtures, source, make_example = sys.argv[1:5]
        subprocess.run([fixtures, folder], check=True)
        example(browser, trovix, source, folder)
        zoomed(browser, trovix, source, folder)
        two_maps(browser, trovix, source, folder)
        big(browser, trovix, make_example, folder)
        shift_jis(browser, trovix, folder)
        antimeridian(browser, trovix, folder)
        altitudes(browser, trovix, folder)
        damaged_and_empty(browser, trovix, folder)
    finally:
        if browser:
            browser.close()
        shutil.rmtree(folder, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
