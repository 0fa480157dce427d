#!/usr/bin/env python3
"""Makes the one file of the page: the HTML template with its style, the module's script and
bytes (base64) and the page's scripts inlined, so that it opens from disk and fetches nothing.

usage: inline_page.py --glue MODULE.js --wasm MODULE.wasm --out PAGE.html page.html STYLE.css SCRIPT.js..."""
import argparse
import base64
import hashlib
import os
import sys


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--glue", required=True)
    parser.add_argument("--wasm", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("template")
    parser.add_argument("parts", nargs="+")
    args = parser.parse_args()

    def read(path):
        with open(path, encoding="utf-8") as f:
            return f.read()

    styles = [read(p) for p in args.parts if p.endswith(".css")]
    with open(args.wasm, "rb") as f:
        module_bytes = base64.b64encode(f.read()).decode("ascii")
    scripts = [read(args.glue), 'var TROVIX_WASM = "%s";\n' % module_bytes]
    scripts += [read(p) for p in args.parts if p.endswith(".js")]
    script = "\n".join(scripts)
    style = "\n".join(styles)
    for name, text in (("script", script), ("style", style)):
        if "</" + name in text.lower():
            sys.exit("inline_page.py: the %s holds </%s, which would end it early" % (name, name))
    page = read(args.template)
    for mark in ("<!--STYLE-->", "<!--SCRIPT-->"):
        if page.count(mark) != 1:
            sys.exit("inline_page.py: the template needs %s once" % mark)
    if page.count("SCRIPT_HASH") != 1:
        sys.exit("inline_page.py: the template's policy needs SCRIPT_HASH once")
    # The policy allows the one script by the hash of its text, exactly as it stands in the page.
    script = "\n" + script
    digest = base64.b64encode(hashlib.sha256(script.encode("utf-8")).digest()).decode("ascii")
    page = page.replace("SCRIPT_HASH", digest)
    page = page.replace("<!--STYLE-->", "<style>\n" + style + "</style>")
    page = page.replace("<!--SCRIPT-->", "<script>" + script + "</script>")
    temporary = args.out + ".tmp"
    with open(temporary, "w", encoding="utf-8") as f:
        f.write(page)
    os.replace(temporary, args.out)


if __name__ == "__main__":
    main()
