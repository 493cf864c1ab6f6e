#!/usr/bin/env bash
# Checks that no layer includes a layer above it. The layers, lowest first, are
# the folders of src/; the simulator (sim/) sits beside the panel and may use
# the link and the codec only; the front ends without a window (src/ctl/, src/mqtt/)
# everything up to the data module, and nothing includes them. Prints each
# offending #include; exits 1 if any.
set -euo pipefail
cd "$(dirname "$0")/.."

layers=(spinel link config users model data settings panel app ctl mqtt)
declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

# allowed FOLDER: the highest layer FOLDER's files may include.
allowed() {
    case "$1" in
    src/ctl) echo data ;; # a front end beside the panel: no widgets, no dialogs
    src/mqtt) echo data ;;
    src/*) echo "${1#src/}" ;;
    sim) echo link ;;
    esac
}

status=0
for folder in src/* sim; do
    [ -d "$folder" ] || continue
    top=$(allowed "$folder")
    [ -n "${rank[$top]+set}" ] || { echo "$folder: not a known layer; add it to $0" >&2; status=1; continue; }
    while IFS=: read -r file line text; do
        included=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]+"([a-z]+)\/.*/\1/' <<<"$text")
        [ -n "${rank[$included]+set}" ] || continue # not one of our layers
        [ "$included" = "${folder#src/}" ] && continue # a layer's own headers
        if [ "${rank[$included]}" -gt "${rank[$top]}" ]; then
            echo "$file:$line: $top includes $included, a layer above it" >&2
            status=1
        fi
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z]+/' "$folder" || true)
done
exit $status
