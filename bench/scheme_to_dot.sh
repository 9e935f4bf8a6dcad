#!/bin/bash
# Writes a Gravelink scheme as a Graphviz graph with every node at its place, for timing
# `neato -n2` on the same drawing (Debian's Graphviz writes no BMP; -Tgd is its uncompressed raster): rectangles as rounded filled boxes with their caption,
# points as small circles with their caption beside them, lines as straight edges with their text.
#   bench/scheme_to_dot.sh scheme.grvlk > scheme.dot
set -euo pipefail
tr -d '\r' < "$1" | awk '
function esc(s) { gsub(/\\/, "\\\\", s); gsub(/"/, "\\\"", s); return s }
# $00BBGGRR (or a colour name) as #RRGGBB.
function colour(c) {
    if (length(c) == 9 && c ~ /^\$[0-9A-Fa-f]+$/) return "#" substr(c, 8, 2) substr(c, 6, 2) substr(c, 4, 2)
    return "white"
}
NR == 1 { width = $0; next }
NR == 2 {
    height = $0
    print "digraph scheme {"
    printf "  graph [bb=\"0,0,%d,%d\", splines=line, dpi=72, pad=0, outputorder=edgesfirst];\n", width, height
    print "  node [fontname=\"DejaVu Sans\", fontsize=8, margin=\"0.05,0.02\"];"
    print "  edge [fontname=\"DejaVu Sans\", fontsize=8, color=\"#616161\", arrowsize=0.6];"
    next
}
/^\[[HPE]\]$/ { section = substr($0, 2, 1); state = 1; next }
/^\[~\]$/ { section = ""; next }
section == "" { next }
state == 1 { state = 2; next }                    # row count
state == 2 { cols = $0; state = 3; n = 0; next }  # column count
{
    cell[n++] = $0
    if (n < cols) next
    n = 0
    if (cell[0] == "") next
    if (section == "H")
        printf "  \"%s\" [pos=\"%d,%d!\", shape=box, style=\"rounded,filled\", fillcolor=\"%s\", label=\"%s\"];\n",
               esc(cell[0]), cell[1], height - cell[2], colour(cell[4]), esc(cell[3])
    else if (section == "P")
        printf "  \"%s\" [pos=\"%d,%d!\", shape=circle, fixedsize=true, width=0.17, style=filled, fillcolor=\"#C0C0C0\", label=\"\", xlabel=\"%s\"];\n",
               esc(cell[0]), cell[1], height - cell[2], esc(cell[3])
    else {
        split(cell[0], ends, "-")
        printf "  \"%s\" -> \"%s\" [label=\"%s\"];\n", esc(ends[1]), esc(ends[2]), esc(cell[3])
    }
}
END { print "}" }
'
