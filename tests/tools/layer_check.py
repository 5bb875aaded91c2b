#!/usr/bin/env python3
"""Holds the layers that cmake/layers.txt states, as the build does: fails on
an include that reaches up a layer or sideways (between layers neither of
which builds on the other), and on a circle of includes between classes (a
header and its source count as one class).

  layer_check.py <source root>
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)\.h"', re.MULTILINE)


def read_layers(root):
    """{folder: set of folders it may include, itself among them}."""
    below = {}
    with open(os.path.join(root, "cmake", "layers.txt"), encoding="utf-8") as layers:
        for line in layers:
            words = line.split()
            if words and not words[0].startswith("#"):
                below[words[0]] = words[1:]

    def reach(folder):
        found = {folder}
        for lower in below[folder]:
            found |= reach(lower)
        return found

    return {folder: reach(folder) for folder in below}


def layer_of(path, layers):
    """The deepest layer folder that holds path, or None (res/, tests/...)."""
    owners = [folder for folder in layers if path.startswith(folder + "/")]
    return max(owners, key=len) if owners else None


def read_includes(root, layers):
    """{class: set of classes it includes}, a class named 'folder/Name'."""
    graph = {}
    for folder in layers:
        for name in sorted(os.listdir(os.path.join(root, folder))):
            stem, extension = os.path.splitext(name)
            if extension not in (".h", ".cpp"):
                continue
            with open(os.path.join(root, folder, name), encoding="utf-8") as source:
                text = source.read()
            unit = f"{folder}/{stem}"
            graph.setdefault(unit, set()).update(
                included for included in INCLUDE.findall(text)
                if included != unit and layer_of(included, layers) is not None)
    return graph


def upward_includes(graph, layers):
    for unit, includes in sorted(graph.items()):
        layer = layer_of(unit, layers)
        for included in sorted(includes):
            if layer_of(included, layers) not in layers[layer]:
                yield f"{unit} includes {included}: {layer}/ may include only {', '.join(sorted(layers[layer]))}"


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
    layers = read_layers(root)
    graph = read_includes(root, layers)
    problems = list(upward_includes(graph, layers))
    problems += [f"include circle: {' <-> '.join(group)}" for group in circles(graph)]
    for problem in problems:
        print(problem)
    if not problems:
        print(f"{len(graph)} classes in {len(layers)} layers, every include goes down a layer or stays in it, no circle")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
