#!/bin/sh
# Kills a save of many pages at random moments and checks that every page is
# then either wholly as it was before the save or wholly as a finished save
# leaves it. Usage: bench/save_crash_check.sh TORVANE [PAGES] [TRIALS] [FOLDER]
# (FOLDER must be on a disk, not in memory; it is emptied first.)
set -eu
export LC_ALL=C
torvane=$(realpath "$1")
pages=${2:-5000}
trials=${3:-30}
work=${4:-${TMPDIR:-/tmp}/torvane-save-crash}
rm -rf "$work" && mkdir -p "$work/pristine/pages"
cd "$work/pristine"

# Pages of about 4 KB with a few anchors each, in 20 folders.
awk -v n="$pages" 'BEGIN {
    for (i = 0; i < n; ++i) {
        dir = "pages/f" (i % 20); if (!(dir in made)) { system("mkdir -p " dir); made[dir] = 1 }
        file = dir "/p" i ".htm"
        printf "<html>\n<head>\n<title>Page %d</title>\n</head>\n<body>\n<h1>Heading %d</h1>\n", i, i > file
        for (a = 0; a < 8; ++a) {
            printf "<h2><a name=\"s%d\">Section %d of page %d</a></h2>\n", a, a, i > file
            for (l = 0; l < 6; ++l) printf "<p>Line %d of section %d: some plain text of a manual page.</p>\n", l, a > file
        }
        printf "</body>\n</html>\n" > file
        close(file)
    }
}'
{
    printf 'HTML Torvane, Version 4.0\r\n\r\n[Local Files]\r\nIndex=Index.htm\r\nHtml Help=Index.hhk\r\n'
    printf 'Java Help=Index.xml\r\nJava Map=Index.jhm\r\n'
} > P.ipj
"$torvane" add-files --quiet P.ipj pages > /dev/null
targets=$(cd "$work/pristine" && find pages -name '*.htm' | sort)

# The pages after a finished save.
cp -a "$work/pristine" "$work/finished"
start=$(date +%s%N)
(cd "$work/finished" && "$torvane" exclude --quiet P.ipj $targets > /dev/null)
full_ms=$(( ($(date +%s%N) - start) / 1000000 ))
(cd "$work/pristine" && find pages -name '*.htm' -exec md5sum {} + | sort -k2) > "$work/old.sums"
(cd "$work/finished" && find pages -name '*.htm' -exec md5sum {} + | sort -k2) > "$work/new.sums"
changed=$(join -1 2 -2 2 "$work/old.sums" "$work/new.sums" | awk '$2 != $3' | wc -l)
echo "$pages pages, $changed changed by a finished save in $full_ms ms"

bad=0
for trial in $(seq 1 "$trials"); do
    rm -rf "$work/run" && cp -a "$work/pristine" "$work/run"
    delay_ms=$(awk -v seed="$trial$$" -v top="$full_ms" 'BEGIN { srand(seed); printf "%d", rand() * top }')
    (cd "$work/run" && exec "$torvane" exclude --quiet P.ipj $targets > /dev/null 2>&1) &
    child=$!
    sleep "$(awk -v ms="$delay_ms" 'BEGIN { printf "%.3f", ms / 1000 }')"
    kill -KILL "$child" 2> /dev/null || true
    wait "$child" 2> /dev/null || true
    (cd "$work/run" && find pages -name '*.htm' -exec md5sum {} + | sort -k2) > "$work/run.sums"
    verdict=$(join -1 2 -2 2 "$work/old.sums" "$work/new.sums" | join -1 1 -2 2 - "$work/run.sums" |
        awk '{ if ($4 == $2) old++; else if ($4 == $3) new++; else torn++ }
             END { printf "%d %d %d", old, new, torn }')
    set -- $verdict
    listed=$(wc -l < "$work/run.sums")
    temporaries=$(find "$work/run" -name '.torvane-*' | wc -l)
    echo "trial $trial: killed after $delay_ms ms: $1 old, $2 new, $3 neither, $listed of $pages pages present, $temporaries temporary files left"
    if [ "$3" -ne 0 ] || [ "$listed" -ne "$pages" ]; then bad=$((bad + 1)); fi
done
echo "$bad of $trials trials left a page neither old nor new, or missing"
[ "$bad" -eq 0 ]
