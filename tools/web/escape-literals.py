#!/usr/bin/env python3
"""escape-literals.py ROOT OUT FILE...: copies every FILE (a path under ROOT) to the same path
under OUT, each non-ASCII character of its narrow string literals written as the octal escapes
of its code page 932 bytes.

The sources are UTF-8 and g++ compiles their literals to code page 932 (-fexec-charset=CP932);
clang, and so emscripten, knows no execution character set but UTF-8. The copies compile to the
same bytes under clang. The bytes are iconv's, the conversion g++ itself makes. Comments and
everything outside literals stay as they are; a raw or a character literal with non-ASCII
characters in it is refused, as are characters that code page 932 cannot hold.
"""
import os
import subprocess
import sys

PREFIXES = {"", "u8", "u", "U", "L"}
RAW_PREFIXES = {"R", "u8R", "uR", "UR", "LR"}


class SourceError(Exception):
    pass


def literal_runs(text):
    """Yields (start, end) of every run of non-ASCII characters inside a narrow string literal."""
    at, n = 0, len(text)
    while at < n:
        c = text[at]
        if text.startswith("//", at):
            at = text.find("\n", at)
            at = n if at < 0 else at
        elif text.startswith("/*", at):
            end = text.find("*/", at + 2)
            if end < 0:
                raise SourceError("an unclosed comment")
            at = end + 2
        elif c in "\"'":
            token = at
            while token > 0 and (text[token - 1].isalnum() or text[token - 1] == "_"):
                token -= 1
            prefix = text[token:at]
            if c == "'" and prefix[:1].isdigit():
                at += 1  # a digit separator
                continue
            if prefix in RAW_PREFIXES and c == '"':
                open_end = text.index("(", at)
                close = ")" + text[at + 1:open_end] + '"'
                end = text.index(close, open_end) + len(close)
                if any(ord(ch) > 0x7F for ch in text[at:end]):
                    raise SourceError("a raw literal with non-ASCII characters")
                at = end
                continue
            end = at + 1
            while text[end] != c:
                if text[end] == "\n":
                    raise SourceError("an unclosed literal")
                end += 2 if text[end] == "\\" else 1
            narrow = prefix in PREFIXES and prefix not in ("u8", "u", "U", "L")
            run = None
            for k in range(at + 1, end):
                if ord(text[k]) > 0x7F:
                    if c == "'" or not narrow:
                        raise SourceError("a non-ASCII character literal or a wide literal")
                    run = run if run is not None else k
                elif run is not None:
                    yield run, k
                    run = None
            if run is not None:
                yield run, end
            at = end + 1
        else:
            at += 1


def escape(text):
    runs = list(literal_runs(text))
    if not runs:
        return text
    joined = "\n".join(text[a:b] for a, b in runs).encode("utf-8")
    done = subprocess.run(["iconv", "-f", "UTF-8", "-t", "CP932"], input=joined,
                          capture_output=True)
    if done.returncode != 0:
        raise SourceError("a character that code page 932 cannot hold: "
                          + done.stderr.decode(errors="replace").strip())
    encoded = done.stdout.split(b"\n")
    out, last = [], 0
    for (a, b), data in zip(runs, encoded):
        out.append(text[last:a])
        out.append("".join("\\%03o" % byte for byte in data))
        last = b
    out.append(text[last:])
    return "".join(out)


def main():
    root, out_root, files = sys.argv[1], sys.argv[2], sys.argv[3:]
    for path in files:
        relative = os.path.relpath(path, root)
        try:
            escaped = escape(open(path, encoding="utf-8").read())
        except SourceError as error:
            sys.exit(f"escape-literals: {path}: {error}")
        target = os.path.join(out_root, relative)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        # Written only when it changes, so that a copy's dependants are not rebuilt for nothing.
        if os.path.exists(target) and open(target, encoding="utf-8").read() == escaped:
            continue
        with open(target, "w", encoding="utf-8") as output:
            output.write(escaped)


if __name__ == "__main__":
    main()
