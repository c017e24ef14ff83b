#!/usr/bin/env bash
# Layout (.clang-format) and static checks (.clang-tidy) over the project's sources: any diff or
# finding fails.
source "$(dirname "$0")/setup.sh"
# clang-tidy reads every target's compile commands: the tests' and the benchmark's too.
need "${PROGRAM_PACKAGES[@]}" libgtest-dev libbenchmark-dev clang-format clang-tidy
cd "$REPO_DIR"

echo "== clang-format"
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run -Werror "${sources[@]}"

echo "== clang-tidy"
# A tree of its own, where only the sources that Qt's tools generate are built.
dir="$BUILD_DIR-lint"
configure_and_build "$dir" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_GLOBAL_AUTOGEN_TARGET=ON \
    -- --target autogen >/dev/null
log="$dir/clang-tidy.log"
status=0
git ls-files 'calc/*.cpp' 'ui/*.cpp' 'tests/*.cpp' 'bench/*.cpp' \
    | xargs -P "$(nproc)" -n 3 clang-tidy -p "$dir" --quiet >"$log" 2>&1 || status=$?
grep -v -E '^[0-9]+ warnings? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' "$log" \
    || true
if ((status != 0)) || grep -q -E 'error:|warning:' "$log"; then
    echo "clang-tidy has findings" >&2
    exit 1
fi
echo "no findings"
