#!/usr/bin/env python3
"""Holds the layers: fails on an include that reaches up a layer, or sideways
between skin/ and probes/, and on a circle of includes between classes (a
header and its source count as one class).

  layer_check.py <source root>
"""
import os
import re
import sys

# Each layer and the layers it may include, itself among them.
MAY_INCLUDE = {
    "framework": {"framework"},
    "skin": {"framework", "skin"},
    "probes": {"framework", "probes"},
    "actions": {"framework", "skin", "probes", "actions"},
    "app": {"framework", "skin", "probes", "actions", "app"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/([^"]+)\.h"', re.MULTILINE)


def read_includes(root):
    """{class: set of classes it includes}, a class named 'layer/Name'."""
    graph = {}
    for layer in MAY_INCLUDE:
        for name in sorted(os.listdir(os.path.join(root, layer))):
            stem, extension = os.path.splitext(name)
            if extension not in (".h", ".cpp"):
                continue
            with open(os.path.join(root, layer, name), encoding="utf-8") as source:
                text = source.read()
            unit = f"{layer}/{stem}"
            graph.setdefault(unit, set()).update(
                f"{included_layer}/{included}" for included_layer, included in INCLUDE.findall(text)
                if f"{included_layer}/{included}" != unit)
    return graph


def upward_includes(graph):
    for unit, includes in sorted(graph.items()):
        layer = unit.split("/")[0]
        for included in sorted(includes):
            included_layer = included.split("/")[0]
            if included_layer in MAY_INCLUDE and included_layer not in MAY_INCLUDE[layer]:
                yield f"{unit} includes {included}: {layer}/ may include only {', '.join(sorted(MAY_INCLUDE[layer]))}"


def circles(graph):
    """Strongly connected groups of more than one class (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(unit):
        index[unit] = low[unit] = len(index)
        stack.append(unit)
        on_stack.add(unit)
        for included in graph.get(unit, ()):
            if included not in index:
                visit(included)
                low[unit] = min(low[unit], low[included])
            elif included in on_stack:
                low[unit] = min(low[unit], index[included])
        if low[unit] == index[unit]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == unit:
                    break
            if len(group) > 1:
                found.append(sorted(group))

    for unit in sorted(graph):
        if unit not in index:
            visit(unit)
    return found


def main(root):
    graph = read_includes(root)
    problems = list(upward_includes(graph))
    problems += [f"include circle: {' <-> '.join(group)}" for group in circles(graph)]
    for problem in problems:
        print(problem)
    if not problems:
        print(f"{len(graph)} classes, every include goes down a layer or stays in it, no circle")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
