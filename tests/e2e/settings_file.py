"""The program's settings file and instance lock, where a private home
(desktop.private_home) puts them, read and written the way Qt's QSettings
reads and writes INI files.

Keys and values are kept scrambled: every character moved three codes up,
one that would leave single-byte codes dropped. A scrambled digit 8 is ";",
which starts a comment in an INI file, so such a value is stored in double
quotes; the reader and writer here follow the same rules as Qt: quoting,
backslash escapes, percent-escaped keys, UTF-8, and the [General] section
for keys outside any group.

Run as a script, it reads or writes one entry of any such file, so that the
C++ tests can hold these rules against QSettings itself:
    settings_file.py get FILE KEY          prints the value, UTF-8
    settings_file.py set FILE KEY VALUE    adds or replaces the entry
KEY is QSettings' full key, "Group/name", or "name" for [General].
"""

import os
import sys

APP_NAME = "KeloFreeDiabetesRiskCalculator"
OFFSET = 3
SECTION = "Settings"


def _shifted(text, offset):
    return "".join(chr(ord(c) + offset) for c in text
                   if ord(c) <= 0xFF and 0 <= ord(c) + offset <= 0xFF)


def scramble(text):
    return _shifted(text, OFFSET)


def unscramble(text):
    return _shifted(text, -OFFSET)


def path():
    return os.path.join(os.environ["XDG_CONFIG_HOME"], APP_NAME, APP_NAME + ".ini")


def lock_path():
    return os.path.join(os.environ["XDG_RUNTIME_DIR"], APP_NAME + ".lock")


# ---------------------------------------------------------------- reading

_ESCAPES = {"a": "\a", "b": "\b", "f": "\f", "n": "\n", "r": "\r", "t": "\t", "v": "\v",
            '"': '"', "?": "?", "'": "'", "\\": "\\"}
_HEX = "0123456789abcdefABCDEF"


def _lines(data):
    """The logical lines of an INI file, as (text, position of the first
    "=" outside quotes or -1): a ";" at the start of a line, or outside
    quotes, starts a comment; a quoted value may run over line ends; a
    backslash takes the next character, a line end included."""
    i, size = 0, len(data)
    while i < size:
        while i < size and data[i] in " \t\r\n":
            i += 1
        start, equals, quoted = i, -1, False
        while i < size:
            ch = data[i]
            i += 1
            if ch == "=":
                if not quoted and equals == -1:
                    equals = i - 1 - start
            elif ch in "\r\n":
                if not quoted:
                    i -= 1
                    break
            elif ch == "\\":
                if i < size:
                    ch = data[i]
                    i += 1
                    if i < size and ch + data[i] in ("\n\r", "\r\n"):
                        i += 1
            elif ch == '"':
                quoted = not quoted
            elif ch == ";":
                if i - 1 == start:
                    while i < size and data[i] not in "\r\n":
                        i += 1
                    start = i
                    while start < size and data[start] in " \t\r\n":
                        start += 1
                    i = start
                    continue
                if not quoted:
                    i -= 1
                    break
        if i > start:
            yield data[start:i], equals
        # What a comment held is skipped up to the line's end.
        while i < size and data[i] not in "\r\n":
            i += 1


def _unescaped_key(text):
    """A key or section as QSettings escapes it: "\\" for "/", %XX and
    %UXXXX for other characters."""
    out, i = [], 0
    while i < len(text):
        ch = text[i]
        if ch == "\\":
            out.append("/")
            i += 1
            continue
        if ch != "%" or i == len(text) - 1:
            out.append(ch)
            i += 1
            continue
        digits, first = 2, i + 1
        if text[first] == "U":
            digits, first = 4, first + 1
        code = text[first:first + digits]
        if len(code) == digits and all(c in _HEX for c in code):
            out.append(chr(int(code, 16)))
            i = first + digits
        else:
            out.append("%")
            i += 1
    return "".join(out)


def _chop_trailing_spaces(chars, limit):
    while len(chars) > limit and chars[-1] in " \t":
        chars.pop()


def _unescaped_value(text):
    """A value: a string, or a list of strings where it holds an unquoted
    comma; surrounding spaces go unless quoted."""
    items, chars, i = None, [], 0
    quoted_now = value_quoted = False
    size = len(text)

    def skip_spaces(j):
        while j < size and text[j] in " \t":
            j += 1
        return j

    i = skip_spaces(0)
    limit = 0
    while i < size:
        ch = text[i]
        if ch == "\\":
            i += 1
            if i >= size:
                break
            ch = text[i]
            i += 1
            if ch in _ESCAPES:
                chars.append(_ESCAPES[ch])
            elif ch == "x":
                j = i
                while j < size and text[j] in _HEX:
                    j += 1
                if j > i:
                    chars.append(chr(int(text[i:j], 16) & 0xFFFF))
                    i = j
            elif ch in "01234567":
                j = i
                while j < size and text[j] in "01234567":
                    j += 1
                chars.append(chr(int(text[i - 1:j], 8) & 0xFFFF))
                i = j
            elif ch in "\r\n":
                if i < size and text[i] in "\r\n" and text[i] != ch:
                    i += 1
            limit = len(chars)
        elif ch == '"':
            i += 1
            value_quoted = True
            quoted_now = not quoted_now
            if not quoted_now:
                i = skip_spaces(i)
        elif ch == "," and not quoted_now:
            if not value_quoted:
                _chop_trailing_spaces(chars, limit)
            items = (items or []) + ["".join(chars)]
            chars, value_quoted, limit = [], False, 0
            i = skip_spaces(i + 1)
        else:
            chars.append(ch)
            i += 1
    if not value_quoted:
        _chop_trailing_spaces(chars, limit)
    text = "".join(chars)
    if items is not None:
        return items + [text]
    # Strings that begin with "@" are stored with a second one.
    return text[1:] if text.startswith("@@") else text


def parse(data):
    """The entries of an INI file's bytes, by QSettings' full key."""
    text = data.decode("utf-8", errors="replace")
    if text.startswith("\ufeff"):
        text = text[1:]
    section, found = "", {}
    for line, equals in _lines(text):
        if line.startswith("["):
            end = line.find("]")
            name = line[1:end if end >= 0 else len(line)].strip()
            if name.lower() == "general":
                section = ""
            elif name.lower() == "%general":
                section = name[1:] + "/"
            else:
                section = _unescaped_key(name) + "/"
        elif equals >= 0:
            key = _unescaped_key(line[:equals].strip())
            found[section + key] = _unescaped_value(line[equals + 1:])
    return found


def read_file(file_name):
    """The entries of an INI file, by QSettings' full key; none while there
    is no file."""
    if not os.path.isfile(file_name):
        return {}
    with open(file_name, "rb") as ini:
        return parse(ini.read())


# ---------------------------------------------------------------- writing

def _escaped_key(key):
    out = []
    for ch in key:
        if ch == "/":
            out.append("\\")
        elif ch.isascii() and (ch.isalnum() or ch in "_-."):
            out.append(ch)
        elif ord(ch) <= 0xFF:
            out.append("%%%02X" % ord(ch))
        else:
            out.append("%%U%04X" % ord(ch))
    return "".join(out)


_WRITTEN_ESCAPES = {"\0": "\\0", "\a": "\\a", "\b": "\\b", "\f": "\\f", "\n": "\\n",
                    "\r": "\\r", "\t": "\\t", "\v": "\\v", '"': '\\"', "\\": "\\\\"}


def _escaped_value(value):
    if value.startswith("@"):
        value = "@" + value
    out, quote, hex_before = [], False, False
    for ch in value:
        if ch in ";,=":
            quote = True
        # A hex escape would swallow a hex digit after it.
        if hex_before and ch in _HEX:
            out.append("\\x%x" % ord(ch))
            continue
        hex_before = False
        if ch in _WRITTEN_ESCAPES:
            out.append(_WRITTEN_ESCAPES[ch])
            hex_before = ch == "\0"
        elif ord(ch) <= 0x1F:
            out.append("\\x%x" % ord(ch))
            hex_before = True
        else:
            out.append(ch)
    text = "".join(out)
    if quote or text.startswith(" ") or text.endswith(" "):
        text = '"%s"' % text
    return text


def format_entries(entries):
    """The bytes of an INI file holding the entries, keyed as QSettings
    keys them; groups in the order they first come."""
    sections = {}
    for key, value in entries.items():
        section, _, name = key.partition("/") if "/" in key else ("", "", key)
        sections.setdefault(section, []).append((name, value))
    blocks = []
    for section, items in sections.items():
        if not section:
            head = "[General]"
        elif section.lower() == "general":
            head = "[%General]"
        else:
            head = "[%s]" % _escaped_key(section)
        blocks.append(head + "\n" + "".join(
            "%s=%s\n" % (_escaped_key(name), _escaped_value(value)) for name, value in items))
    return "\n".join(blocks).encode("utf-8")


def write_file(file_name, entries):
    os.makedirs(os.path.dirname(os.path.abspath(file_name)), exist_ok=True)
    with open(file_name, "wb") as ini:
        ini.write(format_entries(entries))


# ---------------------------------------------------------------- the program's file

def write(install, date):
    """A settings file of an earlier start: its install count and date."""
    write_file(path(), {
        SECTION + "/" + scramble("Duration"): scramble(date.isoformat()),
        SECTION + "/" + scramble("Install"): scramble(install)})


def all_entries():
    """Every entry of the program's settings file, by QSettings' full key."""
    return read_file(path())


def entries():
    """The program's entries, as stored (scrambled), by their stored key;
    none while there is no file."""
    prefix = SECTION + "/"
    return {key[len(prefix):]: value for key, value in all_entries().items()
            if key.startswith(prefix)}


def main(args):
    if len(args) == 3 and args[0] == "get":
        value = read_file(args[1]).get(args[2])
        if not isinstance(value, str):
            return 1
        sys.stdout.buffer.write(value.encode("utf-8"))
        return 0
    if len(args) == 4 and args[0] == "set":
        found = read_file(args[1])
        found[args[2]] = args[3]
        write_file(args[1], found)
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
