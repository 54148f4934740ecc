#!/bin/sh
# Checks a shared library's dynamic symbol table against its public header:
# it defines exactly the functions the header declares with its API macro,
# and it imports nothing but the C library's math, time and memory
# functions, the C++ runtime's static-initialisation guards, unwinding and
# type information (which the sanitizers' checks use), sanitizer hooks and the names of the headers it is given as its dependencies. No
# allocator (malloc, operator new, ...) is on the list: the library never
# allocates.
# Usage: check_exports.sh NM LIBRARY HEADER MACRO [DEPENDENCY_HEADER DEPENDENCY_MACRO]
set -eu
nm_tool=$1 library=$2 header=$3 macro=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Declarations start a line with the macro; the name is the word before "(".
declared() {
  sed -n "s/^$2 [^(]*[^A-Za-z0-9_(]\([A-Za-z_][A-Za-z0-9_]*\)(.*/\1/p" "$1" | sort
}
declared "$header" "$macro" >"$work/declared"
"$nm_tool" -D --defined-only "$library" | awk '{ print $NF }' | sort >"$work/defined"

count=$(wc -l <"$work/declared")
if ! diff -u "$work/declared" "$work/defined"; then
  echo "exports differ from the header's declarations ('-' missing, '+' extra)" >&2
  exit 1
fi

allowed='^(_ITM_(de)?registerTMCloneTable|__gmon_start__|__cxa_finalize|__cxa_guard_(acquire|release|abort)|__stack_chk_fail|__tls_get_addr|__popcount[a-z]*2|(sin|cos|tan|asin|acos|atan|atan2|fmod|floor|ceil|trunc|round|lround|sqrt|exp|log|pow)f?|time|tzset|localtime_r|gmtime_r|mktime|mem(set|cpy|move|cmp)|strlen|__(asan|ubsan|tsan|msan|sanitizer)_[A-Za-z0-9_]*|__g(cc|xx)_personality_v0|_Unwind_Resume|_ZTVN10__cxxabiv1[0-9]+__[a-z_]*type_infoE)$'
"$nm_tool" -D --undefined-only "$library" | awk '{ print $NF }' | sed 's/@.*//' | sort -u >"$work/imported"
if [ $# -ge 6 ]; then declared "$5" "$6" >"$work/dependency"; else : >"$work/dependency"; fi
grep -Ev "$allowed" "$work/imported" | grep -vxF -f "$work/dependency" >"$work/unexpected" || true
if [ -s "$work/unexpected" ]; then
  echo "$library imports symbols outside its allow-list (an allocator, an unexpected library call):" >&2
  cat "$work/unexpected" >&2
  exit 1
fi
echo "$library exports exactly the $count functions of $header and imports only allowed symbols"
