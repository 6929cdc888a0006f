#!/usr/bin/env python3
# The sources depend one way. Fails, naming them, when folders of src/ include each other (two folders, or a
# longer round of them) and when units form an include circle: a unit is a header with its source, so that
# A.cpp including B.h and B.cpp including A.h is a circle although no header includes itself. Run by
# scripts/test; `check.py [folder]` checks another tree of sources.
import collections
import os
import re
import sys

# Circles known and left for now, each the units (paths without suffix) a circle may pass through. One that no
# longer occurs fails the check too, so that this list only shrinks.
KNOWN_CIRCLES = []

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def read_includes(root):
    """Each source file of `root` with the files of `root` it includes (by path from `root`, as the sources
    write them)."""
    files = {}
    for folder, _, names in os.walk(root):
        for name in names:
            if name.endswith((".h", ".cpp")):
                path = os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")
                with open(os.path.join(folder, name), encoding="utf-8") as source:
                    files[path] = INCLUDE.findall(source.read())
    return {path: sorted(set(i for i in included if i in files)) for path, included in files.items()}


def folder_of(path):
    return os.path.dirname(path) or "."


def unit_of(path):
    return os.path.splitext(path)[0]


def graph(includes, node_of):
    """Edges between the nodes that `node_of` makes of the files, each with the first include that makes it."""
    edges = collections.defaultdict(dict)
    for path in sorted(includes):
        for included in includes[path]:
            a, b = node_of(path), node_of(included)
            if a != b:
                edges[a].setdefault(b, (path, included))
    return edges


def rounds(edges):
    """The groups of nodes that reach each other (strongly connected, two nodes or more), sorted."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(start):
        # Tarjan's algorithm, iterative so that a long chain of includes needs no deep recursion.
        work = [(start, iter(sorted(edges.get(start, {}))))]
        index[start] = low[start] = len(index)
        stack.append(start)
        on_stack.add(start)
        while work:
            node, targets = work[-1]
            target = next(targets, None)
            if target is None:
                work.pop()
                if work:
                    low[work[-1][0]] = min(low[work[-1][0]], low[node])
                if low[node] == index[node]:
                    group = set()
                    while True:
                        member = stack.pop()
                        on_stack.discard(member)
                        group.add(member)
                        if member == node:
                            break
                    if len(group) > 1:
                        found.append(group)
            elif target not in index:
                index[target] = low[target] = len(index)
                stack.append(target)
                on_stack.add(target)
                work.append((target, iter(sorted(edges.get(target, {})))))
            elif target in on_stack:
                low[node] = min(low[node], index[target])

    for node in sorted(set(edges) | {b for targets in edges.values() for b in targets}):
        if node not in index:
            visit(node)
    return sorted(found, key=lambda group: sorted(group))


def shortest_circle(edges, group):
    """A shortest way from the group's first node back to itself, inside the group."""
    start = min(group)
    came_from = {}
    queue = collections.deque([start])
    while queue:
        node = queue.popleft()
        for target in sorted(edges.get(node, {})):
            if target not in group:
                continue
            if target == start:
                path = [node]
                while path[-1] != start:
                    path.append(came_from[path[-1]])
                return path[::-1] + [start]
            if target not in came_from:
                came_from[target] = node
                queue.append(target)
    return [start]


def describe(edges, group, kind):
    """What a round is made of: each pair of the group that includes each other, else a shortest circle, with
    the include that makes each step."""
    lines = []
    for a in sorted(group):
        for b in sorted(edges.get(a, {})):
            if a < b and b in group and a in edges.get(b, {}):
                lines.append(f"{kind} {a} and {b} include each other: "
                             f"{' includes '.join(edges[a][b])}; {' includes '.join(edges[b][a])}")
    if not lines:
        circle = shortest_circle(edges, group)
        steps = "; ".join(" includes ".join(edges[a][b]) for a, b in zip(circle, circle[1:]))
        lines.append(f"{kind}s include each other in a round, {' -> '.join(circle)}: {steps}")
    return lines


def faults(includes, known=KNOWN_CIRCLES):
    """Every fault of the sources, one line each; none when they depend one way."""
    found = []
    folders = graph(includes, folder_of)
    for group in rounds(folders):
        found += describe(folders, group, "folder")
    units = graph(includes, unit_of)
    seen = set()
    for group in rounds(units):
        seen |= {i for i, circle in enumerate(known) if len(group & circle) > 1}
        if not any(group <= circle for circle in known):
            found += describe(units, group, "unit")
    for i, circle in enumerate(known):
        if i not in seen:
            found.append(f"the known circle of {', '.join(sorted(circle))} is gone: take it out of KNOWN_CIRCLES")
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../src")
    found = faults(read_includes(root))
    for line in found:
        print(f"include check: {line}", file=sys.stderr)
    if found:
        return 1
    print("includes: the folders and units of the sources depend one way")
    return 0


if __name__ == "__main__":
    sys.exit(main())
