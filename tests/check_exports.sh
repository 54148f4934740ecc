#!/bin/sh
# Checks that the shared library defines exactly the functions the public
# header declares with HKCAL_API, and no other dynamic symbol.
# Usage: check_exports.sh NM LIBRARY HEADER
set -eu
nm_tool=$1 library=$2 header=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Declarations start a line with HKCAL_API; the name is the word before "(".
sed -n 's/^HKCAL_API[^(]*[^A-Za-z0-9_(]\([A-Za-z_][A-Za-z0-9_]*\)(.*/\1/p' "$header" | sort >"$work/declared"
"$nm_tool" -D --defined-only "$library" | awk '{ print $NF }' | sort >"$work/defined"

count=$(wc -l <"$work/declared")
if [ "$count" -ne 82 ]; then
  echo "the header declares $count functions with HKCAL_API, not 82" >&2
  exit 1
fi
if ! diff -u "$work/declared" "$work/defined"; then
  echo "exports differ from the header's declarations ('-' missing, '+' extra)" >&2
  exit 1
fi
echo "$library exports exactly the $count functions of $header"
