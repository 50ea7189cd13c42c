#!/usr/bin/env bash
# Checks that the C++ sources are laid out as .clang-format says, or lays them out so.
#   scripts/format.sh [--fix] [PATH ...]
# PATH is a folder or a file (default: src tools tests). Without --fix, every file whose layout differs is listed
# with the first lines that would change, and the script exits 1 when there is any; with --fix the files are
# rewritten in place. clang-format 14 is the one the layout is written for (scripts/setup.sh installs it): other
# versions lay some constructs out differently, so no other is used.
set -euo pipefail
cd "$(dirname "$0")/.."

formatter=clang-format-14
if ! command -v "$formatter" >/dev/null; then
  echo "$formatter is missing: run scripts/setup.sh" >&2
  exit 2
fi

fix=0
if [ "${1:-}" = --fix ]; then
  fix=1
  shift
fi
paths=("$@")
[ ${#paths[@]} -gt 0 ] || paths=(src tools tests)

files=()
while IFS= read -r -d '' file; do files+=("$file"); done < <(
  find "${paths[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) -not -path '*/corpus/*' -print0 | sort -z)

if [ $fix = 1 ]; then
  [ ${#files[@]} -eq 0 ] || "$formatter" -i --style=file "${files[@]}"
  exit 0
fi

differ=0
for file in "${files[@]}"; do
  if ! changes=$("$formatter" --style=file "$file" | diff -u "$file" - --label "$file" --label "$file (formatted)"); then
    differ=$((differ + 1))
    printf '%s\n' "$changes" | head -n 20
  fi
done
if [ $differ -gt 0 ]; then
  echo "$differ of ${#files[@]} files are not laid out as .clang-format says: scripts/format.sh --fix ${paths[*]}" >&2
  exit 1
fi
echo "All ${#files[@]} files are laid out as .clang-format says."
