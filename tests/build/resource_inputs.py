#!/usr/bin/env python3
"""resource_inputs.py NINJA BUILD_DIR (--rc SCRIPT SOURCE...)...

Checks in ninja's own build graph that the object compiled from each resource script is rebuilt when any of
the given source files changes: each source must be reached from the object through inputs that ninja
compares times with (explicit, implicit and depfile inputs; an order-only input only orders the build and
so does not count). The build is only read, never run or touched.
"""
import os
import subprocess
import sys


def parse_groups(args):
    groups, current = [], None
    for arg in args:
        if arg == "--rc":
            current = []
            groups.append(current)
        elif current is None:
            sys.exit("resource_inputs.py: every group of sources starts with --rc SCRIPT")
        else:
            current.append(arg)
    return [(group[0], group[1:]) for group in groups if group]


class BuildGraph:
    def __init__(self, ninja, build_dir):
        self.ninja, self.build_dir = ninja, build_dir

    def path(self, node):
        return os.path.realpath(os.path.join(self.build_dir, node))

    def run(self, tool, nodes):
        return subprocess.run([self.ninja, "-C", self.build_dir, "-t", tool] + nodes, check=True,
                              capture_output=True, text=True).stdout.splitlines()

    def query(self, nodes):
        """{node: (inputs that count, outputs)} for each node."""
        result, node, section = {}, None, None
        for line in self.run("query", nodes):
            if not line.startswith(" "):
                node = line.rstrip(":")
                result[node] = ([], [])
            elif line.strip() in ("outputs:",) or line.strip().startswith("input:"):
                section = "outputs" if line.strip() == "outputs:" else "inputs"
            elif section == "outputs":
                result[node][1].append(line.strip())
            elif not line.strip().startswith("||"):
                result[node][0].append(line.strip().lstrip("| "))
        return result

    def depfile_inputs(self, nodes):
        """{node: inputs that its depfile recorded}."""
        result, node = {}, None
        for line in self.run("deps", nodes):
            if line and not line.startswith(" "):
                node = line.split(":")[0]
                result[node] = []
            elif line.strip() and node is not None:
                result[node].append(line.strip())
        return result

    def resource_object(self, script):
        """The node compiled from the script: its output that ends in .res or .obj."""
        node = os.path.relpath(script, self.build_dir) if not os.path.isabs(script) else script
        for name in (script, node):
            try:
                outputs = self.query([name]).get(name, ([], []))[1]
            except subprocess.CalledProcessError:
                continue
            for output in outputs:
                if output.endswith((".res", ".rc.obj")):
                    return output
        return None

    def inputs_reached(self, start):
        """Every file from which start is rebuilt, by real path."""
        seen, frontier, reached = {start}, [start], set()
        while frontier:
            graph, recorded = self.query(frontier), self.depfile_inputs(frontier)
            next_frontier = []
            for node in frontier:
                for found in graph.get(node, ([], []))[0] + recorded.get(node, []):
                    reached.add(self.path(found))
                    if found not in seen:
                        seen.add(found)
                        next_frontier.append(found)
            frontier = next_frontier
        return reached


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    graph = BuildGraph(sys.argv[1], sys.argv[2])
    missing = 0
    for script, sources in parse_groups(sys.argv[3:]):
        obj = graph.resource_object(script)
        if obj is None:
            print("%s: no resource object is compiled from it" % script)
            missing += 1
            continue
        reached = graph.inputs_reached(obj)
        for source in sources:
            if os.path.realpath(source) not in reached:
                print("%s is not rebuilt when %s changes" % (obj, source))
                missing += 1
        print("%s: %d sources checked" % (obj, len(sources)))
    sys.exit(1 if missing else 0)


if __name__ == "__main__":
    main()
