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
# One file after another on each core; each file's line as it starts, its findings when it ends.
mapfile -t files < <(git ls-files 'calc/*.cpp' 'ui/*.cpp' 'tests/*.cpp' 'bench/*.cpp')
tidy() {
    local output status=0
    output=$(clang-tidy -p "$dir" --quiet "$1" 2>&1) || status=$?
    output=$(grep -v -E '^[0-9]+ warnings? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' \
             <<<"$output") || true
    [[ -z $output ]] || printf '%s\n' "$output"
    ((status == 0)) && ! grep -q -E 'error:|warning:' <<<"$output"
}
failed=0 running=0
for i in "${!files[@]}"; do
    if ((running == $(nproc))); then
        wait -n || failed=1
        running=$((running - 1))
    fi
    echo "clang-tidy $((i + 1))/${#files[@]} ${files[i]}"
    tidy "${files[i]}" &
    running=$((running + 1))
done
for ((; running > 0; running--)); do
    wait -n || failed=1
done
if ((failed)); then
    echo "clang-tidy has findings" >&2
    exit 1
fi
echo "no findings"
