#!/usr/bin/env bash
# translate-bench.sh [size-in-bytes]: times kestrelle-translate in each style against Debian's jive filter
# (package filters) on the same English prose, 1 MiB by default: the licence texts every Debian system
# ships, repeated and cut to size. hyperfine runs all commands in one go, so the ratios to jive come from
# one run on one machine state; /usr/bin/time -v gives each command's peak memory. The filter is built
# optimised and without sanitizers, in build/bench. Needs hyperfine, filters, time (scripts/install-deps.sh)
# and python3. Takes about a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
size=${1:-1048576}
build_dir=$PWD/build/bench
work=$build_dir/translate-bench
jive=$(command -v jive || echo /usr/games/jive)
[ -x "$jive" ] || { echo "jive not found: install the package filters" >&2; exit 1; }

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTRELLE_TESTS=OFF >/dev/null
cmake --build "$build_dir" --target kestrelle-translate >/dev/null
filter=$build_dir/src/translator/kestrelle-translate

mkdir -p "$work"
prose=$work/prose.txt
licences=(/usr/share/common-licenses/*)
: >"$prose"
while [ "$(stat -c %s "$prose")" -lt "$size" ]; do cat "${licences[@]}" >>"$prose"; done
truncate -s "$size" "$prose"
echo "Input: $(stat -c %s "$prose") bytes of licence text"

styles=(normal valley-girl jive-talk courtly)
commands=("$jive <$prose")
for style in "${styles[@]}"; do commands+=("$filter --style $style <$prose"); done
hyperfine --warmup 2 --min-runs 10 --style basic --export-json "$work/times.json" \
  -n jive "${commands[0]}" \
  -n normal "${commands[1]}" -n valley-girl "${commands[2]}" -n jive-talk "${commands[3]}" -n courtly "${commands[4]}" \
  >"$work/hyperfine.txt"

echo
printf '%-12s %10s %10s %14s %8s\n' command "mean ms" "x jive" "peak memory" goal
python3 - "$work/times.json" "$jive" "$filter" "$prose" <<'PY'
import json, subprocess, sys
times, jive, filt, prose = sys.argv[1:]
results = {r["command"]: r["mean"] for r in json.load(open(times))["results"]}
goals = {"valley-girl": 2.0, "jive-talk": 2.0, "courtly": 3.0}
for name, mean in results.items():
    argv = [jive] if name == "jive" else [filt, "--style", name]
    with open(prose, "rb") as stdin:
        run = subprocess.run(["/usr/bin/time", "-v"] + argv, stdin=stdin, stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, text=True, check=True)
    peak_kib = next(int(line.split(":")[1]) for line in run.stderr.splitlines() if "Maximum resident" in line)
    ratio = mean / results["jive"]
    goal = goals.get(name)
    verdict = "" if goal is None else ("<= %gx ok" % goal if ratio <= goal else "> %gx MISSED" % goal)
    if name != "jive" and peak_kib >= 64 * 1024:
        verdict += " memory over 64 MiB"
    print("%-12s %10.1f %10.2f %10.1f MiB %s" % (name, mean * 1000, ratio, peak_kib / 1024, verdict))
PY
