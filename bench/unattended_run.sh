#!/bin/sh
# Times the whole unattended run (`torvane PROJECT.ipj /makeindex`) on an
# existing project against `cat` of the project file and every page it lists,
# alternately, warm cache (one untimed round of each first). Each timing
# covers TIMES runs in a row, since CPU time is counted in 10 ms steps.
# Prints the median wall and CPU (user + system) time of one run of each
# and their ratios.
# Usage: bench/unattended_run.sh TORVANE PROJECT.ipj [ROUNDS] [TIMES]
# The run writes the project's index files beside it: use a copy.
set -eu
export LC_ALL=C
torvane=$(realpath "$1")
project=$(realpath "$2")
rounds=${3:-11}
inner=${4:-10}
cd "$(dirname "$project")"
list=$(mktemp)
times=$(mktemp)
trap 'rm -f "$list" "$times"' EXIT
{
    echo "$project"
    sed -n 's/\r$//; /^\[Local Files\]$/,/^\[/s/^File=//p' "$project" | tr '\\' '/'
} > "$list"

timed() { # LABEL COMMAND: appends "LABEL wall cpu" of $inner runs
    /usr/bin/time -f "$1 %e %U %S" -a -o "$times" sh -c "for i in \$(seq $inner); do $2; done" > /dev/null
}
round() {
    timed cat "xargs -d '\\n' cat < '$list'"
    timed run "'$torvane' '$project' /makeindex"
}
round && : > "$times"
for i in $(seq 1 "$rounds"); do round; done

echo "$(($(wc -l < "$list") - 1)) pages, $(xargs -d '\n' cat < "$list" | wc -c) bytes, $rounds rounds, load average $(cut -d' ' -f1-3 /proc/loadavg)"
awk -v t="$inner" '{ wall[$1, ++n[$1]] = $2; cpu[$1, n[$1]] = $3 + $4 }
     function median(a, label, count,   i, j, v, t) {
         for (i = 1; i <= count; ++i) v[i] = a[label, i]
         for (i = 2; i <= count; ++i) for (j = i; j > 1 && v[j - 1] > v[j]; --j) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
         return count % 2 ? v[(count + 1) / 2] : (v[count / 2] + v[count / 2 + 1]) / 2
     }
     END {
         cw = median(wall, "cat", n["cat"]); cc = median(cpu, "cat", n["cat"])
         rw = median(wall, "run", n["run"]); rc = median(cpu, "run", n["run"])
         printf "cat: wall %.4f s, cpu %.4f s\nrun: wall %.4f s, cpu %.4f s\n", cw / t, cc / t, rw / t, rc / t
         printf "ratio: wall %.2fx, cpu %.2fx\n", (cw > 0 ? rw / cw : 0), (cc > 0 ? rc / cc : 0)
     }' "$times"
