#!/usr/bin/env python3
"""Fails when a message box may show a text no translator has seen.

The text a message box is given must be a marked literal (TR_NOOP), a
translated pattern (TranslatedText, FormatText(TranslatedText(...))), or a
name standing for one: a variable of the same file set from such a text, or
a function of src/ whose every return is one. A literal outside the marks,
or a text joined with '+', is English that stays English in every language.
A text the script cannot trace (a member, a parameter) passes.

Usage: check-message-texts.py SRC_DIR; lists each fault, exit status 1 if any.
"""
import pathlib
import re
import sys

MARKED = re.compile(r"^(TR_NOOP|TranslatedText|FormatText\(\s*TranslatedText)\s*\(")
CALL = re.compile(r"^([A-Za-z_]\w*)\s*\(")
NAME = re.compile(r"^[A-Za-z_]\w*$")


def literal_end(text, i):
    """Where the string or character literal opening at i ends (past it)."""
    j = i + 1
    while j < len(text) and text[j] != text[i]:
        j += 2 if text[j] == "\\" else 1
    return j + 1


def balanced(text, start):
    """The arguments of the call whose '(' is just before start, and where it ends."""
    depth, current, args, i = 1, "", [], start
    while i < len(text) and depth > 0:
        c = text[i]
        if c in "\"'":
            j = literal_end(text, i)
            current += text[i:j]
            i = j
            continue
        if c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
            if depth == 0:
                break
        elif c == "," and depth == 1:
            args.append(current.strip())
            current = ""
            i += 1
            continue
        current += c
        i += 1
    args.append(current.strip())
    return args, i


def top_level(text):
    """text with every bracketed part and literal emptied."""
    out, depth, i = "", 0, 0
    while i < len(text):
        c = text[i]
        if c in "\"'":
            out += '""' if depth == 0 else ""
            i = literal_end(text, i)
            continue
        if c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
        elif depth == 0:
            out += c
        i += 1
    return out


class Checker:
    def __init__(self, root):
        self.files = {p: p.read_text(encoding="latin-1") for p in root.rglob("*.cpp")}

    def returns_of(self, function):
        """Every returned expression of the functions of that name in src/."""
        found = []
        pattern = re.compile(r"std::string\s+(?:\w+::)?" + function + r"\s*\(")
        for text in self.files.values():
            for m in pattern.finditer(text):
                _, end = balanced(text, m.end())
                body_start = text.find("{", end)
                if body_start < 0 or text[end + 1 : body_start].strip().endswith(";"):
                    continue
                _, body_end = balanced(text, body_start + 1)
                body = text[body_start + 1 : body_end]
                found += [r.strip() for r in re.findall(r"\breturn\b(.*?);", body, re.S)]
        return found

    def fault(self, text, expression, depth=0):
        """Why expression is no translated text, or None."""
        expression = " ".join(expression.split())
        if not expression or MARKED.match(expression) or depth > 4:
            return None
        shape = top_level(expression)
        if '""' in shape or "+" in shape:
            return "a text not marked for translation: " + expression
        call = CALL.match(expression)
        if call and shape.strip() == call.group(1):
            for returned in self.returns_of(call.group(1)):
                if returned not in ("{}", "std::string()", '""') and (
                    why := self.fault(text, returned, depth + 1)
                ):
                    return call.group(1) + "() returns " + why
            return None
        if NAME.match(expression):
            setters = re.findall(
                r"std::string\s+" + expression + r"\s*=\s*(.*?);", text, re.S
            )
            for setter in setters:
                if why := self.fault(text, setter, depth + 1):
                    return expression + " is " + why
        return None

    def run(self):
        faults = []
        for path, text in sorted(self.files.items()):
            for m in re.finditer(r"\bMessageBox\(", text):
                args, _ = balanced(text, m.end())
                if len(args) < 2 or args[1].startswith("std::string_view"):
                    continue  # the definition
                if why := self.fault(text, args[1]):
                    line = text.count("\n", 0, m.start()) + 1
                    faults.append(f"{path}:{line}: {why}")
        return faults


faults = Checker(pathlib.Path(sys.argv[1])).run()
for fault in faults:
    print(fault, file=sys.stderr)
sys.exit(1 if faults else 0)
