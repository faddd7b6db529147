#!/usr/bin/env bash
# Fails when a C++ source of ours differs from what clang-format makes of it with the
# repository's .clang-format. Prints the files; `tools/check-format.sh --fix` formats them.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' \
                                     'tools/*.h' 'tools/*.cpp' 'packaging/*.h')
if [ "${1:-}" = --fix ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
status=0
for file in "${files[@]}"; do
    if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
        echo "$file is not formatted (clang-format -i $file)"
        status=1
    fi
done
exit $status
