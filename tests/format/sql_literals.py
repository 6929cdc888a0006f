#!/usr/bin/env python3
# Statements read clause by clause: SQL in a source is one raw literal, R"( ... )", a clause a line, which
# clang-format leaves alone, so that a word added to a statement is a line changed. Fails, naming them, for
# statements written as a chain of literals ("select ... " "from ..."), whose lines clang-format re-flows.
# Run by scripts/test; `sql_literals.py [folder...]` checks other folders.
import os
import re
import sys

CLAUSE = re.compile(r"^\s*(select|insert\s+into|update\s|delete\s+from|with\s|from\s|where\s|and\s|or\s|"
                    r"order\s+by|group\s+by|left\s+join|inner\s+join|join\s|union|values|set\s|returning|having)",
                    re.I)
TOKENS = re.compile(r'//[^\n]*|/\*.*?\*/|R"(\w*)\(.*?\)\1"|(?<![\w\'])\'(?:\\.|[^\\\'])*\'|(\w*)"((?:\\.|[^"\\\n])*)"',
                    re.S)


def chains(text):
    """Chains of two or more plain literals that stand side by side: (line, joined text)."""
    found, chain, end = [], None, None
    for m in TOKENS.finditer(text):
        plain = m.group(3) is not None and m.group(2) == ""
        if plain and chain and text[end:m.start()].strip() == "":
            chain[1].append(m.group(3))
        else:
            if chain and len(chain[1]) > 1:
                found.append((chain[0], "".join(chain[1])))
            chain = [text.count("\n", 0, m.start()) + 1, [m.group(3)]] if plain else None
        end = m.end()
    if chain and len(chain[1]) > 1:
        found.append((chain[0], "".join(chain[1])))
    return found


def is_statement(text):
    if re.match(r"\s*(create|alter|drop)\b", text, re.I) or "$$" in text:
        return False  # definitions of functions keep the text they are made of
    return bool(CLAUSE.match(text) or (re.search(r"\bselect\b", text, re.I) and re.search(r"\bfrom\b", text, re.I)))


def faults(root):
    out = []
    for folder, _, names in sorted(os.walk(root)):
        for name in sorted(names):
            if name.endswith((".h", ".cpp")):
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8") as source:
                    out += [f"{path}:{line}: {joined.strip()[:60]}..." for line, joined in chains(source.read())
                            if is_statement(joined)]
    return out


if __name__ == "__main__":
    found = [f for root in (sys.argv[1:] or ["src", "bench"]) for f in faults(root)]
    for f in found:
        print(f"{f}\n    a statement as a chain of literals: write it as one raw literal, a clause a line")
    print("sql: every statement is one raw literal" if not found else f"sql: {len(found)} statements to lay out")
    sys.exit(1 if found else 0)
