#!/usr/bin/env bash
# translate-bench.sh [size-in-MiB]...: times kestrelle-translate in each style against Debian's jive filter
# (package filters). First on English prose: the licence texts every Debian system ships, repeated and cut
# to size; by default 1, 16 and 64 MiB in whole-text mode. Then on players' chat (tests/chat/player-chat.txt
# repeated), where a chat bot translates line by line and the styles replace most: at 16 and 64 MiB
# (CHAT_MIB, "" or 0 for none). Both also run --lines at 16 MiB (LINES_MIB). Last, a player's rule file that
# deletes a word ("x" -> "") against one that replaces it ("x" -> "y") on "x " repeated to 800 KB
# (DELETE_KB), where the output is long runs of blanks.
#
# One hyperfine run per corpus and size times all its commands in one go, so every ratio comes from one run
# on one machine state; /usr/bin/time -v gives each command's peak memory. The goals are printed as verdicts:
#  - prose, whole text: at most 0.5 x jive's time, and peak memory at most 4 bytes per input byte plus 16 MiB;
#  - prose, --lines: at most 1.25 x the whole-text time of the same style;
#  - chat at the size of --lines: at most 1.0 x jive's time, whole text and --lines alike;
#  - chat, whole text: peak memory at most 2 bytes per input byte plus 16 MiB;
#  - --lines: peak memory under 16 MiB;
#  - the deleting rule: at most 5 x the replacing rule's time.
# The filter is built with the release preset (build/release). Needs hyperfine, filters, time
# (scripts/install-deps.sh) and python3. Takes a quarter of an hour or so; on a loaded machine the ratios move.
set -euo pipefail
cd "$(dirname "$0")/.."
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1 16 64)
lines_size=${LINES_MIB:-16}
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
read -ra chat_sizes <<<"${CHAT_MIB-16 64}"
runs_of=()
for size in "${sizes[@]}"; do runs_of+=("prose:$size"); done
for size in "${chat_sizes[@]}"; do
  if [ "$size" -gt 0 ]; then runs_of+=("chat:$size"); fi
done
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
  if [ "$size" -eq "$lines_size" ]; then
    for style in "${styles[@]}"; do args+=(-n "$style --lines" "$filter --lines --style $style <$prose"); done
  fi
  hyperfine --warmup 1 --min-runs "$runs" --style none --export-json "$work/times-$corpus-$size.json" "${args[@]}" >/dev/null
  python3 - "$work/times-$corpus-$size.json" "$size" "$jive" "$filter" "$prose" "$corpus" "$lines_size" <<'PY'
import json, subprocess, sys
times, size, jive, filt, prose, corpus, lines_size = sys.argv[1:]
size, lines_size = int(size), int(lines_size)
# The median, which a burst of other work on the machine moves less than the mean.
results = {r["command"]: r["median"] for r in json.load(open(times))["results"]}

def peak_mib(argv):
    with open(prose, "rb") as stdin:
        run = subprocess.run(["/usr/bin/time", "-v"] + argv, stdin=stdin, stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, text=True, check=True)
    return next(int(line.split(":")[1]) for line in run.stderr.splitlines() if "Maximum resident" in line) / 1024

for name, median in results.items():
    style, _, mode = name.partition(" ")
    lines = mode == "--lines"
    verdicts = []
    if name == "jive":
        ratio = ""
        peak = peak_mib([jive])
    else:
        peak = peak_mib([filt] + (["--lines"] if lines else []) + ["--style", style])
        if corpus == "prose" and lines:
            against, most = "whole", 1.25
        else:
            # The time goals against jive: on all prose, and on chat at the size --lines runs at.
            against, most = "jive", 0.5 if corpus == "prose" else 1.0 if size == lines_size else None
        ratio_value = median / results[style if against == "whole" else "jive"]
        ratio = "%.2f x %s" % (ratio_value, against)
        if most is not None:
            verdicts.append("time ok" if ratio_value <= most else "time MISSED (> %.2f x %s)" % (most, against))
        if lines:
            verdicts.append("memory ok" if peak < 16 else "memory MISSED (>= 16 MiB)")
        else:
            limit = (4 if corpus == "prose" else 2) * size + 16
            verdicts.append("memory ok" if peak <= limit else "memory MISSED (> %d MiB)" % limit)
    print("%-13s %-12s %-7s %9.1f %14s %11.1f  %s" % ("%d MiB %s" % (size, corpus), style, mode or "whole", median * 1000,
                                                    ratio, peak, ", ".join(verdicts)))
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
