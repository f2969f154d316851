#!/usr/bin/env bash
# translate-bench.sh [size-in-MiB]...: times kestrelle-translate in each style against Debian's jive filter
# (package filters) on the same English prose: the licence texts every Debian system ships, repeated and cut
# to size. By default 1, 16 and 64 MiB in whole-text mode, and --lines at 16 MiB. Then the same on players'
# chat (tests/chat/player-chat.txt repeated) at 64 MiB (CHAT_MIB), where replacements are dense and memory
# is the test. Last, a player's rule file that deletes a word ("x" -> "") against one that replaces it
# ("x" -> "y") on "x " repeated to 800 KB (DELETE_KB), where the output is long runs of blanks.
#
# One hyperfine run per size times all its commands in one go, so every ratio comes from one run on one
# machine state; /usr/bin/time -v gives each command's peak memory. The goals are printed as verdicts:
#  - whole text: at most 1.0 x jive's time on prose, and peak memory at most 4 bytes per input byte plus
#    16 MiB on prose and chat alike;
#  - --lines: at most 1.25 x the whole-text time of the same style, and peak memory under 16 MiB;
#  - the deleting rule: at most 5 x the replacing rule's time.
# The filter is built with the release preset (build/release). Needs hyperfine, filters, time
# (scripts/install-deps.sh) and python3. Takes a few minutes; on a loaded machine the ratios move.
set -euo pipefail
cd "$(dirname "$0")/.."
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1 16 64)
lines_size=16
work=$PWD/build/release/translate-bench
jive=$(command -v jive || echo /usr/games/jive)
[ -x "$jive" ] || { echo "jive not found: install the package filters" >&2; exit 1; }

cmake --preset release >/dev/null
cmake --build --preset release --target kestrelle-translate >/dev/null
filter=$PWD/build/release/src/filter/kestrelle-translate

mkdir -p "$work"
styles=(normal valley-girl jive-talk courtly)
licences=(/usr/share/common-licenses/*)
echo "Load before the run: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
printf '%-13s %-12s %-7s %9s %14s %11s  %s\n' size style mode "median ms" ratio "peak MiB" verdict
chat_size=${CHAT_MIB:-64}
runs_of=()
for size in "${sizes[@]}"; do runs_of+=("prose:$size"); done
[ "$chat_size" -gt 0 ] && runs_of+=("chat:$chat_size")
for run in "${runs_of[@]}"; do
  corpus=${run%%:*}
  size=${run#*:}
  prose=$work/$corpus-$size.txt
  sources=("${licences[@]}")
  [ "$corpus" = chat ] && sources=(tests/chat/player-chat.txt)
  if [ ! -f "$prose" ]; then
    : >"$prose"
    while [ "$(stat -c %s "$prose")" -lt $((size * 1048576)) ]; do cat "${sources[@]}" >>"$prose"; done
    truncate -s $((size * 1048576)) "$prose"
  fi
  runs=10
  [ "$size" -ge 64 ] && runs=5
  args=(-n jive "$jive <$prose")
  for style in "${styles[@]}"; do args+=(-n "$style" "$filter --style $style <$prose"); done
  if [ "$corpus" = prose ] && [ "$size" -eq "$lines_size" ]; then
    for style in "${styles[@]}"; do args+=(-n "$style --lines" "$filter --lines --style $style <$prose"); done
  fi
  hyperfine --warmup 1 --min-runs "$runs" --style none --export-json "$work/times-$corpus-$size.json" "${args[@]}" >/dev/null
  python3 - "$work/times-$corpus-$size.json" "$size" "$jive" "$filter" "$prose" "$corpus" <<'PY'
import json, subprocess, sys
times, size, jive, filt, prose, corpus = sys.argv[1:]
size = int(size)
# The median, which a burst of other work on the machine moves less than the mean.
results = {r["command"]: r["median"] for r in json.load(open(times))["results"]}

def peak_mib(argv):
    with open(prose, "rb") as stdin:
        run = subprocess.run(["/usr/bin/time", "-v"] + argv, stdin=stdin, stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, text=True, check=True)
    return next(int(line.split(":")[1]) for line in run.stderr.splitlines() if "Maximum resident" in line) / 1024

for name, median in results.items():
    style, _, mode = name.partition(" ")
    if name == "jive":
        ratio, verdict = "", ""
        peak = peak_mib([jive])
    elif mode == "--lines":
        ratio_value = median / results[style]
        peak = peak_mib([filt, "--lines", "--style", style])
        ratio = "%.2f x whole" % ratio_value
        verdict = ("time ok" if ratio_value <= 1.25 else "time MISSED (> 1.25 x whole)") + \
                  (", memory ok" if peak < 16 else ", memory MISSED (>= 16 MiB)")
    else:
        ratio_value = median / results["jive"]
        peak = peak_mib([filt, "--style", style])
        limit = 4 * size + 16
        ratio = "%.2f x jive" % ratio_value
        # The time goal is set on prose; chat, where a rule fires every few words, is there for memory.
        timing = ("time ok, " if ratio_value <= 1.0 else "time MISSED (> 1.0 x jive), ") if corpus == "prose" else ""
        verdict = timing + ("memory ok" if peak <= limit else "memory MISSED (> %d MiB)" % limit)
    print("%-13s %-12s %-7s %9.1f %14s %11.1f  %s" % ("%d MiB %s" % (size, corpus), style, mode or "whole", median * 1000,
                                                    ratio, peak, verdict))
PY
done

delete_kb=${DELETE_KB:-800}
if [ "$delete_kb" -gt 0 ]; then
  words=$work/x-$delete_kb.txt
  python3 -c "import sys; sys.stdout.write('x ' * ($delete_kb * 1000 // 2))" >"$words"
  printf '"x"\n""\n"%%STOP"\n' >"$work/deleting.rules"
  printf '"x"\n"y"\n"%%STOP"\n' >"$work/replacing.rules"
  hyperfine --warmup 1 --min-runs 10 --style none --export-json "$work/times-deleting.json" \
    -n deleting "$filter --rules $work/deleting.rules <$words" \
    -n replacing "$filter --rules $work/replacing.rules <$words" >/dev/null
  python3 - "$work/times-deleting.json" "$delete_kb" <<'PY'
import json, sys
results = {r["command"]: r["median"] for r in json.load(open(sys.argv[1]))["results"]}
ratio = results["deleting"] / results["replacing"]
for name in ("replacing", "deleting"):
    shown = "%.2f x replacing" % ratio if name == "deleting" else ""
    verdict = ("time ok" if ratio <= 5 else "time MISSED (> 5 x replacing)") if name == "deleting" else ""
    print("%-13s %-12s %-7s %9.1f %14s %11s  %s" % ("%s KB x" % sys.argv[2], name, "rule", results[name] * 1000,
                                                    shown, "", verdict))
PY
fi
echo "Load after the run: $(cut -d' ' -f1-3 /proc/loadavg)"
