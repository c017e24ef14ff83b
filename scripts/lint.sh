#!/usr/bin/env bash
# Layout (.clang-format) and static checks (.clang-tidy) over the project's sources: any diff or
# finding fails.
source "$(dirname "$0")/setup.sh"
cd "$REPO_DIR"

echo "== clang-format"
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run -Werror "${sources[@]}"

echo "== clang-tidy"
configure_and_build "$BUILD_DIR" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
log="$BUILD_DIR/clang-tidy.log"
status=0
git ls-files 'calc/*.cpp' 'ui/*.cpp' 'tests/*.cpp' 'bench/*.cpp' \
    | xargs -P "$(nproc)" -n 3 clang-tidy -p "$BUILD_DIR" --quiet >"$log" 2>&1 || status=$?
grep -v -E '^[0-9]+ warnings? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' "$log" \
    || true
if ((status != 0)) || grep -q -E 'error:|warning:' "$log"; then
    echo "clang-tidy has findings" >&2
    exit 1
fi
echo "no findings"
