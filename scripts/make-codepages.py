#!/usr/bin/python3
"""Writes the tables the portable code page seam uses for every Windows ANSI code page, from
Python's codecs and the Unicode Character Database (Debian's /usr/bin/python3 and the package
unicode-data, /usr/share/unicode/UnicodeData.txt):

- base/BASE_CodePageUnicode_Tables.inc: the Unicode character of every byte and every lead/trail
  pair (both builds convert with it);
- base/BASE_CodePageCtype_Tables.inc: how each byte classifies, upper-cases and lower-cases in
  the code page's locale (the portable build's ctype);
- tests/base/data/codepages.txt: the same answers as a plain listing, which the tests read.

The ctype rule is the one the Windows C run-time builds its tables by: a byte is decoded with
the code page, upper- and lower-cased by Unicode's simple case mapping, and the result is kept
only where it encodes back to one byte of the same code page; its class follows its Unicode
category. Bytes 0x00..0x7F are the "C" locale's in every code page. 1252 keeps the table the
seam has always had where the rule differs; those bytes are printed.

Usage, from the repository root: /usr/bin/python3 scripts/make-codepages.py [--check]
(--check writes nothing and fails when a written file would differ.)
"""
import string
import sys

UNICODE_DATA = "/usr/share/unicode/UnicodeData.txt"
NOT_TRAIL = 0xFFFF  # the second byte is no trail byte: the lead byte stands alone
UNMAPPED = 0xFFFD
FIRST_TRAIL, LAST_TRAIL = 0x40, 0xFE

# number, codec, lead ranges, trail ranges (as in base/BASE_CodePage_Portable.cpp)
PAGES = [
    (874, "cp874", [], []),
    (1250, "cp1250", [], []),
    (1251, "cp1251", [], []),
    (1252, "cp1252", [], []),
    (1253, "cp1253", [], []),
    (1254, "cp1254", [], []),
    (1255, "cp1255", [], []),
    (1256, "cp1256", [], []),
    (1257, "cp1257", [], []),
    (1258, "cp1258", [], []),
    (932, "cp932", [(0x81, 0x9F), (0xE0, 0xFC)], [(0x40, 0x7E), (0x80, 0xFC)]),
    (936, "gbk", [(0x81, 0xFE)], [(0x40, 0x7E), (0x80, 0xFE)]),
    (949, "cp949", [(0x81, 0xFE)], [(0x41, 0x5A), (0x61, 0x7A), (0x81, 0xFE)]),
    (950, "cp950", [(0x81, 0xFE)], [(0x40, 0x7E), (0xA1, 0xFE)]),
]
# Where the Windows table has a character that Python's codec lacks.
EXTRA = {(936, b"\x80"): 0x20AC}

# The ctype classes a byte can have, by the code letter the generated table uses.
CLASS_CODES = {
    ".": (),
    "c": ("cntrl",),
    "p": ("punct", "print"),
    "a": ("alpha", "print"),
    "u": ("upper", "alpha", "print"),
    "l": ("lower", "alpha", "print"),
    "o": ("lower", "alpha", "punct", "print"),
    "s": ("space", "blank", "print"),
    "h": ("cntrl", "punct", "print"),
    "d": ("digit", "punct", "print"),
    "n": ("digit", "print"),
}
# One letter a class in the test listing.
CLASS_LETTERS = {"upper": "U", "lower": "L", "alpha": "A", "digit": "D", "xdigit": "X",
                 "space": "S", "print": "R", "cntrl": "C", "punct": "P", "blank": "B"}

# 1252 as the seam has always had it, where the rule says otherwise: the table records the
# run-time's answers in "English_United States.1252", and both builds must agree on them
# (names order and blanks are cut by these classes).
KEEP_1252 = {
    0x80: (".", "the euro sign has no class in the run-time's table (rule: symbol, punct)"),
    0x98: (".", "the small tilde has no class in the run-time's table (rule: symbol, punct)"),
    0x99: (".", "the trade mark sign has no class in the run-time's table (rule: symbol, punct)"),
    0xAA: ("o", "the run-time marks the feminine ordinal also as punct (rule: letter, alpha)"),
    0xB5: ("o", "the run-time marks the micro sign also as punct (rule: lower-case letter)"),
    0xBA: ("o", "the run-time marks the masculine ordinal also as punct (rule: letter, alpha)"),
}


def read_unicode_data():
    """Per code point: (category, simple upper, simple lower, digit value)."""
    table = {}
    first = None
    with open(UNICODE_DATA, encoding="utf-8") as f:
        for line in f:
            field = line.rstrip("\n").split(";")
            code = int(field[0], 16)
            entry = (field[2], int(field[12] or field[0], 16), int(field[13] or field[0], 16), field[7])
            if field[1].endswith(", First>"):
                first = code
                continue
            if field[1].endswith(", Last>"):
                for c in range(first, code + 1):
                    table[c] = (entry[0], c, c, "")
                continue
            table[code] = entry
    return table


UCD = read_unicode_data()


def holds(ranges, b):
    return any(lo <= b <= hi for lo, hi in ranges)


def decode(number, codec, seq):
    if (number, seq) in EXTRA:
        return EXTRA[(number, seq)]
    try:
        text = seq.decode(codec)
    except UnicodeDecodeError:
        return UNMAPPED
    return ord(text) if len(text) == 1 and ord(text) < 0x10000 else UNMAPPED


def encode_one(number, codec, code):
    """The single byte of the code page for a character, or None."""
    for (n, seq), c in EXTRA.items():
        if n == number and c == code and len(seq) == 1:
            return seq[0]
    try:
        seq = chr(code).encode(codec)
    except UnicodeEncodeError:
        return None
    return seq[0] if len(seq) == 1 else None


def class_by_rule(b, code):
    """The class code of an upper-half byte decoding to code (UNMAPPED: no character)."""
    if code == UNMAPPED:
        # Unassigned bytes become the C1 controls below 0xA0 and private-use characters above.
        return "c" if b < 0xA0 else "."
    category, _, _, digit = UCD.get(code, ("Cn", code, code, ""))
    if category == "Lu":
        return "u"
    if category == "Ll":
        return "l"
    if category in ("Lm", "Lo") or category[0] == "M":
        return "a"  # marks are parts of the letters they sit on (Thai vowels, Hebrew points)
    if category == "Nd":
        return "n"
    if category == "No":
        return "d" if digit else "p"  # superscript digits are digits, fractions are not
    if category[0] in "PS" or category == "Nl":
        return "p"
    if category == "Zs":
        return "s"
    if category == "Cc":
        return "c"
    if category == "Cf":
        return "h"
    if category in ("Co", "Cn"):
        return "."
    raise SystemExit("no class for U+%04X (%s)" % (code, category))


def ascii_classes(b):
    c = chr(b)
    names = []
    if c in string.ascii_uppercase:
        names.append("upper")
    if c in string.ascii_lowercase:
        names.append("lower")
    if c in string.ascii_letters:
        names.append("alpha")
    if c in string.digits:
        names.append("digit")
    if c in string.hexdigits:
        names.append("xdigit")
    if c in string.whitespace:
        names.append("space")
    if 0x20 <= b < 0x7F:
        names.append("print")
    if b < 0x20 or b == 0x7F:
        names.append("cntrl")
    if c in string.punctuation:
        names.append("punct")
    if c in " \t":
        names.append("blank")
    return names


def single_page(number, codec, leads):
    """Per byte 0x80..0xFF: (lead, code point, class code, upper byte, lower byte)."""
    rows = []
    for b in range(0x80, 0x100):
        if holds(leads, b):
            rows.append((True, UNMAPPED, ".", b, b))
            continue
        code = decode(number, codec, bytes([b]))
        cls = class_by_rule(b, code)
        upper = lower = b
        if code != UNMAPPED:
            _, up, low, _ = UCD.get(code, ("Cn", code, code, ""))
            upper = encode_one(number, codec, up)
            lower = encode_one(number, codec, low)
            upper = b if upper is None else upper
            lower = b if lower is None else lower
        rows.append((False, code, cls, upper, lower))
    return rows


def check_ascii(number, codec):
    """The rule leaves 0x00..0x7F as the "C" locale has them; say so if a code page did not."""
    for b in range(0x80):
        code = decode(number, codec, bytes([b]))
        _, up, low, _ = UCD.get(code, ("Cn", code, code, ""))
        if code != b or encode_one(number, codec, up) != ord(chr(b).upper()) or \
                encode_one(number, codec, low) != ord(chr(b).lower()):
            raise SystemExit("%d: byte %02X is no ASCII character or cases otherwise" % (number, b))


def apply_1252(rows):
    print("1252: where the rule differs from the table the seam keeps:")
    for b, (cls, why) in sorted(KEEP_1252.items()):
        lead, code, rule, upper, lower = rows[b - 0x80]
        if rule == cls:
            raise SystemExit("1252: byte %02X needs no exception any more" % b)
        print("  %02X U+%04X rule %r kept %r: %s" % (b, code, rule, cls, why))
        rows[b - 0x80] = (lead, code, cls, upper, lower)


def present_double_byte(number, b):
    """The class code and case the seam gave a double-byte code page's single byte before."""
    if number == 932 and 0xA1 <= b <= 0xA5:
        return "p"
    if number == 932 and 0xA6 <= b <= 0xDF:
        return "a"
    return "."


def report_double_byte(number, rows):
    changed = ["%02X %r->%r" % (0x80 + i, present_double_byte(number, 0x80 + i), r[2])
               for i, r in enumerate(rows) if r[2] != present_double_byte(number, 0x80 + i)]
    cased = ["%02X" % (0x80 + i) for i, r in enumerate(rows) if r[3] != 0x80 + i or r[4] != 0x80 + i]
    print("%d: classes new by the rule: %s; upper half bytes that change case: %s" %
          (number, ", ".join(changed) or "none", ", ".join(cased) or "none"))


def literal(codes):
    out = []
    for c in codes:
        ch = chr(c)
        if ch == '"' or ch == "\\":
            out.append("\\" + ch)
        elif c < 0x80 and ch.isprintable():
            out.append(ch)
        elif c >= 0xA0 and ch.isprintable() and not (0xE000 <= c <= 0xF8FF) and c < 0xFFF0 and \
                UCD.get(c, ("Cn",))[0][0] not in "MC":
            out.append(ch)
        else:
            out.append("\\u%04X" % c)
    return 'u"' + "".join(out) + '"'


def byte_string(values):
    return '"' + "".join("\\x%02X" % v for v in values) + '"'


def pair_code(number, codec, trails, lead, trail):
    if not holds(trails, trail):
        return NOT_TRAIL
    return decode(number, codec, bytes([lead, trail]))


def utf8_of_pair(number, codec, leads, trails, lead, trail):
    """What AppendUtf8 makes of the two bytes lead, trail."""
    code = pair_code(number, codec, trails, lead, trail)
    if code != NOT_TRAIL:
        return chr(code).encode("utf-8")
    # The lead byte stands alone and the second byte is read on its own.
    if trail < 0x80:
        second = trail
    elif holds(leads, trail):
        second = UNMAPPED
    else:
        second = decode(number, codec, bytes([trail]))
    return chr(UNMAPPED).encode("utf-8") + chr(second).encode("utf-8")


def fnv1a(data):
    h = 0x811C9DC5
    for b in data:
        h = ((h ^ b) * 0x01000193) & 0xFFFFFFFF
    return h


STALE = []


def write(path, lines):
    text = "\n".join(lines) + "\n"
    if "--check" in sys.argv[1:]:
        try:
            with open(path, encoding="utf-8") as f:
                same = f.read() == text
        except OSError:
            same = False
        if not same:
            STALE.append(path)
        return
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def main():
    unicode_lines = [
        "// Generated by scripts/make-codepages.py; do not edit.",
        "// Per code page: the characters of the single bytes 0x80..0xFF (U+FFFF for a lead byte),",
        "// and per lead byte a row over the second bytes 0x40..0xFE (U+FFFF: not a trail byte;",
        "// U+FFFD: no character).",
    ]
    ctype_lines = [
        "// Generated by scripts/make-codepages.py; do not edit.",
        "// Per code page, for the bytes 0x80..0xFF: one class code a byte (see MaskOf), then the",
        "// bytes that upper-case and those that lower-case, as pairs of byte and result.",
        "const CtypeSource_t kCtypeSources[] = {",
    ]
    listing = [
        "# Generated by scripts/make-codepages.py; do not edit.",
        "# CP BYTE lead|single CLASSES UPPER LOWER UNICODE: for the bytes 0x80..0xFF; classes",
        "# U upper, L lower, A alpha, D digit, X xdigit, S space, R print, C cntrl, P punct, B blank",
        "# (- none); UNICODE is what the byte alone converts to.",
        "# CP trail RANGES: the trail bytes of a double-byte code page.",
        "# CP pairs LEAD HASH: FNV-1a (32 bits) over the UTF-8 of LEAD followed by each byte",
        "# 0x01..0xFF, each conversion followed by a byte 0xFF.",
    ]
    table_entries = []
    for number, codec, leads, trails in PAGES:
        check_ascii(number, codec)
        rows = single_page(number, codec, leads)
        if number == 1252:
            apply_1252(rows)
        elif leads:
            report_double_byte(number, rows)
        for i, (lead, code, cls, upper, lower) in enumerate(rows):
            letters = "".join(CLASS_LETTERS[n] for n in CLASS_CODES[cls]) or "-"
            listing.append("%d %02X %s %s %02X %02X %04X" %
                           (number, 0x80 + i, "lead" if lead else "single", letters, upper, lower, code))
        ups = [v for i, r in enumerate(rows) if r[3] != 0x80 + i for v in (0x80 + i, r[3])]
        lows = [v for i, r in enumerate(rows) if r[4] != 0x80 + i for v in (0x80 + i, r[4])]
        ctype_lines.append("    {%d, \"%s\"," % (number, "".join(r[2] for r in rows)))
        ctype_lines.append("     %s," % byte_string(ups))
        ctype_lines.append("     %s}," % byte_string(lows))

        single = [NOT_TRAIL if r[0] else r[1] for r in rows]
        unicode_lines.append("const char16_t k%dSingle[129] = %s;" % (number, literal(single)))
        lead_bytes = [b for b in range(0x80, 0x100) if holds(leads, b)]
        if not lead_bytes:
            table_entries.append("{%d, k%dSingle, nullptr}" % (number, number))
            continue
        table_entries.append("{%d, k%dSingle, k%dRows}" % (number, number, number))
        listing.append("%d trail %s" % (number, " ".join("%02X-%02X" % r for r in trails)))
        unicode_lines.append("const char16_t k%dRows[%d][%d] = {" %
                             (number, len(lead_bytes), LAST_TRAIL - FIRST_TRAIL + 2))
        for lead in lead_bytes:
            row = [pair_code(number, codec, trails, lead, t) for t in range(FIRST_TRAIL, LAST_TRAIL + 1)]
            unicode_lines.append("    %s,  // %02X" % (literal(row), lead))
            data = b"".join(utf8_of_pair(number, codec, leads, trails, lead, t) + b"\xff"
                            for t in range(1, 0x100))
            listing.append("%d pairs %02X %08X" % (number, lead, fnv1a(data)))
        unicode_lines.append("};")
    unicode_lines.append("const Table_t kTables[] = {")
    unicode_lines += ["    %s," % e for e in table_entries]
    unicode_lines.append("};")
    ctype_lines.append("};")
    write("base/BASE_CodePageUnicode_Tables.inc", unicode_lines)
    write("base/BASE_CodePageCtype_Tables.inc", ctype_lines)
    write("tests/base/data/codepages.txt", listing)
    if STALE:
        print("not as generated: " + ", ".join(STALE))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
