#!/usr/bin/env python3
"""Lists include cycles among a project's files, a .h and its .cpp taken as one node.

Usage: include_cycles.py [root]   (default: current folder)
Exit status 1 when there is a cycle.
"""
import os, re, sys

root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else ".")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
SKIP = {".git"}

nodes = {}  # node (path without extension, relative to root) -> set of included nodes
for dirpath, dirnames, filenames in os.walk(root):
    dirnames[:] = [d for d in dirnames if d not in SKIP and not d.startswith("build")]
    for f in filenames:
        if not f.endswith((".h", ".cpp")):
            continue
        path = os.path.join(dirpath, f)
        node = os.path.splitext(os.path.relpath(path, root))[0]
        deps = nodes.setdefault(node, set())
        with open(path, encoding="utf-8", errors="replace") as fh:
            for inc in INCLUDE.findall(fh.read()):
                # Includes are written from the project root, or from the
                # file's folder or one above it (tests include "support/...").
                bases = [root]
                d = dirpath
                while d != root:
                    bases.append(d)
                    d = os.path.dirname(d)
                for base in bases:
                    target = os.path.normpath(os.path.join(base, inc))
                    if os.path.exists(target):
                        dep = os.path.splitext(os.path.relpath(target, root))[0]
                        if dep != node:
                            deps.add(dep)
                        break

# Tarjan's strongly connected components, iterative.
index, low, onstack, stack, sccs = {}, {}, set(), [], []
counter = 0
for start in sorted(nodes):
    if start in index:
        continue
    work = [(start, iter(sorted(nodes.get(start, ()))))]
    index[start] = low[start] = counter; counter += 1
    stack.append(start); onstack.add(start)
    while work:
        v, it = work[-1]
        advanced = False
        for w in it:
            if w not in index:
                index[w] = low[w] = counter; counter += 1
                stack.append(w); onstack.add(w)
                work.append((w, iter(sorted(nodes.get(w, ())))))
                advanced = True
                break
            if w in onstack:
                low[v] = min(low[v], index[w])
        if advanced:
            continue
        work.pop()
        if work:
            low[work[-1][0]] = min(low[work[-1][0]], low[v])
        if low[v] == index[v]:
            comp = []
            while True:
                w = stack.pop(); onstack.discard(w); comp.append(w)
                if w == v:
                    break
            if len(comp) > 1:
                sccs.append(sorted(comp))

def path_within(comp):
    """One cycle through the component, as a readable chain."""
    members = set(comp)
    start = comp[0]
    prev = {start: None}
    queue = [start]
    while queue:
        v = queue.pop(0)
        for w in sorted(nodes.get(v, ())):
            if w not in members:
                continue
            if w == start:
                chain = [v]
                while prev[chain[-1]] is not None:
                    chain.append(prev[chain[-1]])
                return list(reversed(chain)) + [start]
            if w not in prev:
                prev[w] = v
                queue.append(w)
    return comp

if not sccs:
    print(f"No include cycles among {len(nodes)} nodes.")
    sys.exit(0)
for comp in sccs:
    print("Cycle among: " + ", ".join(comp))
    print("  e.g. " + " -> ".join(path_within(comp)))
sys.exit(1)
