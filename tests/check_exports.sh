#!/bin/sh
# Checks that a shared library defines exactly the functions its public
# header declares with its API macro, and no other dynamic symbol.
# Usage: check_exports.sh NM LIBRARY HEADER MACRO
set -eu
nm_tool=$1 library=$2 header=$3 macro=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Declarations start a line with the macro; the name is the word before "(".
sed -n "s/^$macro [^(]*[^A-Za-z0-9_(]\([A-Za-z_][A-Za-z0-9_]*\)(.*/\1/p" "$header" | sort >"$work/declared"
"$nm_tool" -D --defined-only "$library" | awk '{ print $NF }' | sort >"$work/defined"

count=$(wc -l <"$work/declared")
if ! diff -u "$work/declared" "$work/defined"; then
  echo "exports differ from the header's declarations ('-' missing, '+' extra)" >&2
  exit 1
fi
echo "$library exports exactly the $count functions of $header"
