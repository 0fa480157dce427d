#!/usr/bin/python3
"""The page trovix-web.html in headless Chromium, opened from file:// with every network request
refused, driven over the DevTools protocol as the test of `trovix html` drives it.

usage: web_browser.py PAGE TROVIX FIXTURES.js EXAMPLE.tbk CYRILLIC.tbk
       web_browser.py --performance PAGE TROVIX_RELEASE BIGFILE.js EXAMPLE.tbk
       web_browser.py --screenshot OUT.png PAGE EXAMPLE.tbk

The files are given to the page through its file input (or dropped on it, for the screenshot);
what it offers for download is saved through the browser's download folder and compared with
the native tool's output for the same file and options."""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "html"))
from html_browser import Browser, check, failures  # noqa: E402

EXTENSIONS = {"gpx": ".gpx", "kml": ".kml", "geojson": ".geojson", "csv": ".csv", "dump": ".json"}


def wait_for(browser, state):
    browser.js("new Promise(r => { const f = () => document.body.dataset.state === %r ? r(true)"
               " : setTimeout(f, 50); f(); })" % state)


def open_page(browser, page):
    errors, requests = browser.open(page)
    wait_for(browser, "ready")
    return errors, requests


def give_files(browser, paths):
    # The state of the files before is not taken for that of these.
    browser.js("document.body.dataset.state = 'giving'")
    root = browser.call("DOM.getDocument")["root"]["nodeId"]
    node = browser.call("DOM.querySelector", nodeId=root, selector="#files")["nodeId"]
    browser.call("DOM.setFileInputFiles", files=[os.path.abspath(p) for p in paths], nodeId=node)
    wait_for(browser, "done")


def drop_files(browser, paths):
    box = browser.js("(() => { const r = document.getElementById('drop').getBoundingClientRect();"
                     " return [r.x + r.width / 2, r.y + r.height / 2]; })()")
    data = {"items": [], "files": [os.path.abspath(p) for p in paths], "dragOperationsMask": 1}
    browser.js("document.body.dataset.state = 'giving'")
    for kind in ("dragEnter", "dragOver", "drop"):
        browser.call("Input.dispatchDragEvent", type=kind, x=box[0], y=box[1], data=data)
    wait_for(browser, "done")


def problems(browser, page):
    """Console errors, exceptions and requests other than for the page since it was opened."""
    return browser.problems("file://" + os.path.abspath(page), blobs=True)


def tool(trovix, command, source, code_page, partial=False):
    args = [os.path.abspath(trovix), command, os.path.basename(source), "--codepage", str(code_page or "auto")] + (["--partial"] if partial else [])
    return subprocess.run(args, cwd=os.path.dirname(os.path.abspath(source)), capture_output=True)


def download_all(browser, folder, selector):
    """Clicks every link of selector, one download after the other; returns the names saved."""
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    browser.call("Browser.setDownloadBehavior", behavior="allow", downloadPath=folder, eventsEnabled=True)
    count = browser.js("document.querySelectorAll(%r).length" % selector)
    for i in range(count):
        seen = len(browser.events)
        # As a person's click: without one, the browser lets a page start only so many downloads.
        browser.call("Runtime.evaluate", expression="document.querySelectorAll(%r)[%d].click()" % (selector, i),
                     userGesture=True)
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline and not any(
                e.get("method") == "Browser.downloadProgress" and e["params"]["state"] != "inProgress"
                for e in browser.events[seen:]):
            time.sleep(0.05)
            browser.js("0")
        # Downloads started in quick succession are dropped by the browser after ten or so.
        time.sleep(1)
    return sorted(os.listdir(folder))


def functional(page, trovix, fixtures, example, cyrillic):
    folder = tempfile.mkdtemp(prefix="trovix-web-")
    browser = None
    try:
        subprocess.run(["node", fixtures, folder], check=True)
        damaged = os.path.join(folder, "damaged.tbk")
        browser = Browser(folder)
        check("page at most 3 MB", os.path.getsize(page) <= 3 * 1024 * 1024, os.path.getsize(page))
        open_page(browser, page)
        browser.js("document.getElementById('codepage').value = '1251'")
        give_files(browser, [example, damaged, cyrillic])

        sections = browser.js("[...document.querySelectorAll('section.tbk')].map(s => s.querySelector('h2').textContent)")
        check("a part of the page per file, in their order",
              sections == ["example.tbk", "damaged.tbk", "cyrillic_1251.tbk"], sections)
        counts = browser.js("(() => { const s = document.querySelectorAll('section.tbk')[0];"
                            " return ['circle.waypoint[data-name]', 'path.route', 'path.track', 'svg.profile']"
                            ".map(q => s.querySelectorAll(q).length); })()")
        check("the example: 38 markers, 2 routes, 1 track, 1 profile", counts == [38, 2, 1, 1], counts)

        expected = tool(trovix, "gpx", damaged, 1251).stderr.decode().splitlines()[0]
        said = browser.js("[...document.querySelectorAll('section.tbk')[1].querySelectorAll('li.refused')]"
                          ".map(l => l.textContent)")
        check("the damaged file: the tool's message, and nothing to download",
              said == [expected] and browser.js("!document.querySelectorAll('section.tbk')[1].querySelector('a')"),
              [said, expected])

        geojson = json.loads(tool(trovix, "geojson", cyrillic, 1251).stdout)
        expected = sorted(f["properties"]["name"] for f in geojson["features"] if f["geometry"]["type"] == "Point")
        names = browser.js("[...document.querySelectorAll('section.tbk')[2].querySelectorAll('circle.waypoint')]"
                           ".map(c => c.dataset.name).sort()")
        check("the Cyrillic file: markers named in its characters",
              names == expected and all("\u0400" <= n[0] <= "\u04ff" for n in names), [names, expected])

        boxes = browser.js("[...document.querySelectorAll('svg.map')].map(s => { const r = s.getBoundingClientRect();"
                           " return [r.top + scrollY, r.bottom + scrollY, r.width, getComputedStyle(s).visibility]; })")
        check("every file's map shown, one below the other",
              len(boxes) == 2 and all(b[2] > 40 and b[1] - b[0] > 40 and b[3] == "visible" for b in boxes)
              and boxes[0][1] <= boxes[1][0], boxes)

        downloads = os.path.join(folder, "downloads")
        names = download_all(browser, downloads, "a[download]")
        wanted = [os.path.splitext(os.path.basename(f))[0] + e for f in (example, cyrillic) for e in EXTENSIONS.values()]
        check("a download of every format of each converted file, and the ZIP",
              sorted(names) == sorted(wanted + ["trovix-outputs.zip"]), names)
        for source in (example, cyrillic):
            stem = os.path.splitext(os.path.basename(source))[0]
            for command, extension in EXTENSIONS.items():
                path = os.path.join(downloads, stem + extension)
                got = open(path, "rb").read() if os.path.exists(path) else None
                check("%s%s: the tool's bytes" % (stem, extension), got == tool(trovix, command, source, 1251).stdout,
                      "differs" if got is not None else "not downloaded")
        zip_path = os.path.join(downloads, "trovix-outputs.zip")
        if os.path.exists(zip_path):
            with zipfile.ZipFile(zip_path) as archive:
                same = archive.testzip() is None and sorted(archive.namelist()) == sorted(wanted) and all(
                    archive.read(n) == open(os.path.join(downloads, n), "rb").read() for n in wanted)
            check("the ZIP: every output, its checksums right", same, sorted(archive.namelist()))

        browser.js("document.getElementById('partial').click()")
        wait_for(browser, "done")
        names = download_all(browser, downloads, "section.tbk:nth-of-type(2) a[download]")
        got = open(os.path.join(downloads, "damaged.gpx"), "rb").read() if "damaged.gpx" in names else None
        check("with the checkbox, the damaged file's GPX is the tool's with --partial",
              got == tool(trovix, "gpx", damaged, 1251, partial=True).stdout, names)

        errors, requests = problems(browser, page)
        check("no console error", not errors, errors)
        check("no request", not requests, requests)
    finally:
        if browser:
            browser.close()
        shutil.rmtree(folder, ignore_errors=True)


def renderer_memory(profile):
    """Peak and current resident memory (bytes) of the largest renderer process of the browser
    that uses this profile folder: the page's tab."""
    peak = current = 0
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            # A renderer writes all its arguments over its first one: search the bytes.
            cmdline = open("/proc/%s/cmdline" % pid, "rb").read()
            if b"--type=renderer" not in cmdline or ("--user-data-dir=" + profile).encode() not in cmdline:
                continue
            fields = dict(line.split(":", 1) for line in open("/proc/%s/status" % pid))
        except OSError:
            continue
        peak = max(peak, int(fields["VmHWM"].split()[0]) * 1024)
        current = max(current, int(fields["VmRSS"].split()[0]) * 1024)
    return peak, current


def performance(page, trovix, bigfile, example):
    folder = tempfile.mkdtemp(prefix="trovix-web-")
    browser = None
    try:
        source = os.path.join(folder, "waypoints.tbk")
        subprocess.run(["node", bigfile, source], check=True, capture_output=True)
        size = os.path.getsize(source)
        native = []
        for _ in range(3):
            start = time.monotonic()
            subprocess.run([trovix, "geojson", source, "--codepage", "1252", "-o", os.path.join(folder, "native.geojson")],
                           check=True)
            native.append(time.monotonic() - start)
        browser = Browser(folder)
        open_page(browser, page)
        # The code page given, as to the native tool: one load, no guess.
        browser.js("document.getElementById('codepage').value = '1252'")
        # The page at work: its module compiled to the full, after a small file.
        give_files(browser, [example])
        idle = renderer_memory(folder)[1]
        give_files(browser, [source])
        times = browser.js("(() => { const d = document.querySelector('section.tbk').dataset;"
                           " return [+d.msgeojson, +d.msdump, +d.msgpx, +d.mskml, +d.mscsv, +d.mshtml]; })()")
        peak = renderer_memory(folder)[0]
        page_size = os.path.getsize(page)
        print("page: %d bytes (%.2f MB)" % (page_size, page_size / 1048576))
        print("file: %d bytes, 200,000 waypoints" % size)
        print("native trovix geojson: %.2f s (best of 3)" % min(native))
        print("page geojson: %.2f s (%.1f x native); dump %.2f s, gpx %.2f s, kml %.2f s, csv %.2f s, html %.2f s"
              % (times[0] / 1000, times[0] / 1000 / min(native), *(t / 1000 for t in times[1:])))
        print("tab (renderer) memory: %.0f MB with the page at work, peak %.0f MB: %.0f MB for the file = %.1f x its size"
              % (idle / 1048576, peak / 1048576, (peak - idle) / 1048576, (peak - idle) / size))
        check("page at most 3 MB", page_size <= 3 * 1024 * 1024, page_size)
        # Measured: 3.8 to 4.2 x (the module holds the file's bytes beside the load's database,
        # the collector's timing moves the rest); this bound catches a copy more of either.
        check("the tab's memory within 5 x the file beside the page", peak - idle <= 5 * size, peak - idle)
        errors, requests = problems(browser, page)
        check("no console error, no request", not errors and not requests, [errors, requests])
    finally:
        if browser:
            browser.close()
        shutil.rmtree(folder, ignore_errors=True)


def screenshot(out, page, example):
    folder = tempfile.mkdtemp(prefix="trovix-web-")
    browser = None
    try:
        browser = Browser(folder)
        open_page(browser, page)
        drop_files(browser, [example])
        height = browser.js("Math.min(document.documentElement.scrollHeight, 1600)")
        browser.call("Emulation.setDeviceMetricsOverride", width=1200, height=height, deviceScaleFactor=1, mobile=False)
        browser.js("new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))")
        import base64
        png = browser.call("Page.captureScreenshot", format="png")["data"]
        with open(out, "wb") as f:
            f.write(base64.b64decode(png))
        counts = browser.js("document.querySelectorAll('circle.waypoint').length")
        check("dropped: the example's markers", counts == 38, counts)
    finally:
        if browser:
            browser.close()
        shutil.rmtree(folder, ignore_errors=True)


def main():
    if sys.argv[1] == "--performance":
        performance(*sys.argv[2:6])
    elif sys.argv[1] == "--screenshot":
        screenshot(*sys.argv[2:5])
    else:
        functional(*sys.argv[1:6])
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
