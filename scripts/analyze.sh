#!/usr/bin/env bash
# Static analysis of src/ with cppcheck. Fails on any finding that is neither fixed nor
# suppressed with its reason (tools/analyze/cppcheck-suppressions.txt, or inline), when the
# libraries of src/ do not depend one way (scripts/check_layers.py), and when a C++ file of
# the tree drifts from .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."

# Lowest layer first; a library uses only those below it.
python3 scripts/check_layers.py

# Every folder of src/ that holds headers: code includes headers by bare name.
includes=()
while IFS= read -r dir; do
    includes+=("-I$dir")
done < <(find src -name '*.h' -printf '%h\n' | sort -u)

cppcheck --std=c++20 --library=qt \
    --enable=warning,style,performance,portability \
    --inline-suppr --suppressions-list=tools/analyze/cppcheck-suppressions.txt \
    --error-exitcode=1 --quiet -j "$(nproc)" \
    --template='{file}:{line}: {severity}: {message} [{id}]' \
    "${includes[@]}" src/
echo "cppcheck: no findings in src/"

# Identifiers that begin with an underscore and a capital letter are reserved to the
# implementation; property names in strings ("_ScrollWidth") are not identifiers.
if grep -rnE '(^|[^A-Za-z0-9_"])_[A-Z][A-Za-z0-9_]*' src/; then
    echo "reserved identifiers in src/ (an underscore and a capital letter)" >&2
    exit 1
fi
echo "no reserved identifiers in src/"

# Every C++ file as .clang-format lays it out; `clang-format-14 -i FILE` mends one.
if ! git ls-files --cached --others --exclude-standard '*.cpp' '*.h' |
    xargs clang-format-14 --dry-run --Werror; then
    echo "C++ files drift from .clang-format (see above)" >&2
    exit 1
fi
echo "clang-format: every C++ file as .clang-format lays it out"
