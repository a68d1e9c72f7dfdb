#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz": clang, libFuzzer, AddressSanitizer, UBSan), replays the saved
# regression inputs, then runs each target for a number of inputs and prints inputs per second and what it
# found (crashes, leaks, hangs). Exits non-zero when a target found something or a regression fails.
#
# usage: bench/fuzz.sh [--runs N] [--seconds S] [--smoke] [--jobs J] [TARGET...]
#   --runs N      inputs per target (default 1000000)
#   --seconds S   stop a target after S seconds even if its inputs are not done (default: no limit)
#   --smoke       20000 inputs or 5 seconds per target, whichever comes first (scripts/test runs this)
#   --jobs J      parallel build jobs (default: number of cores)
#   TARGET        ini_round_trip, keystroke_notation, command_text, trace_parser (default: all)
#
# Seeds come from the repository (INI cases, gesture files, golden traces, the lists in bench/fuzz/seeds/);
# the corpus each target grows is kept in build/fuzz/corpus/<target>/, and what a target finds is saved in
# build/fuzz/artifacts/<target>/. Keep a finding as a regression input in bench/fuzz/regressions/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

all_targets=(ini_round_trip keystroke_notation command_text trace_parser)
runs=1000000
seconds=0
jobs=$(nproc)
targets=()
while (($# > 0)); do
    case $1 in
    --runs) runs=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --smoke) runs=20000; seconds=5; shift ;;
    --jobs) jobs=$2; shift 2 ;;
    -h | --help) sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *)
        if [[ ! " ${all_targets[*]} " == *" $1 "* ]]; then
            echo "fuzz.sh: unknown target $1 (${all_targets[*]})" >&2
            exit 2
        fi
        targets+=("$1")
        shift
        ;;
    esac
done
((${#targets[@]} > 0)) || targets=("${all_targets[@]}")

build=build/fuzz
mkdir -p build
echo "== build fuzz"
if ! cmake --preset fuzz >build/configure-fuzz.log 2>&1; then
    cat build/configure-fuzz.log >&2
    exit 1
fi
cmake --build --preset fuzz --parallel "$jobs"

# One seed file per line of a list: seed_lines LIST FOLDER NAME [PREFIX]
seed_lines() {
    local list=$1 folder=$2 name=$3 prefix=${4:-} n=0 line
    while IFS= read -r line || [[ -n "$line" ]]; do
        printf '%s%s' "$prefix" "$line" >"$folder/$name$((n++))"
    done <"$list"
}

make_seeds() {
    local target=$1 folder=$build/seeds/$1 file
    rm -rf "$folder"
    mkdir -p "$folder"
    case $target in
    ini_round_trip)
        # Each file alone, and followed by a short edit script.
        for file in tests/e2e/ini_cases/*.ini tests/golden/data/*.ini; do
            cp "$file" "$folder/"
            { cat "$file"; printf '\0new value\r\n"q" \x01\x42\x02\x81\x03\x00'; } \
                >"$folder/$(basename "$file").edited"
        done
        ;;
    keystroke_notation) seed_lines bench/fuzz/seeds/keystrokes.txt "$folder" keystroke ;;
    command_text)
        # The first byte chooses the token splitter's separator: 1 is "[", 6 is "|".
        seed_lines bench/fuzz/seeds/command_texts.txt "$folder" bracket $'\x01'
        seed_lines bench/fuzz/seeds/command_texts.txt "$folder" bar $'\x06'
        ;;
    trace_parser) cp tests/golden/*.trace "$folder/" ;;
    esac
}

# Runs one target; prints its line of the summary and returns non-zero when it found something.
fuzz_target() {
    local target=$1 binary=$build/bench/fuzz/$1_fuzzer
    local corpus=$build/corpus/$1 artifacts=$build/artifacts/$1 regressions=bench/fuzz/regressions/$1
    local log=$build/logs/$1.log
    mkdir -p "$corpus" "$artifacts" "$build/logs"
    make_seeds "$target"

    local replayed=0
    if [[ -d $regressions ]] && compgen -G "$regressions/*" >/dev/null; then
        replayed=$(find "$regressions" -type f | wc -l)
        if ! "$binary" "$regressions"/* >"$build/logs/$1.regressions.log" 2>&1; then
            printf '%-20s regression input fails (%s)\n' "$target" "$build/logs/$1.regressions.log"
            tail -n 30 "$build/logs/$1.regressions.log" >&2
            return 1
        fi
    fi

    # Wall and CPU seconds: on a busy machine inputs per CPU second are the steadier figure.
    local before timing status=0
    before=$(find "$artifacts" -type f | wc -l)
    timing=$({
        TIMEFORMAT='%R %U'
        time "$binary" "$corpus" "$build/seeds/$1" -runs="$runs" -max_total_time="$seconds" -max_len=8192 \
            -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$artifacts/" -print_final_stats=1 >"$log" 2>&1
    } 2>&1) || status=$?

    local done_runs found
    done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    found=$(($(find "$artifacts" -type f | wc -l) - before))
    if ((status != 0 && found == 0)); then
        found=1
    fi
    awk -v t="$target" -v r="${done_runs:-0}" -v timing="${timing:-0 0}" -v g="$replayed" -v c="$found" \
        'BEGIN { split(timing, s, " "); w = s[1]; u = s[2]
                 printf "%-20s %9d inputs %7.1f s %8.0f inputs/s %8.0f per CPU s   regressions %d   found %d\n",
                        t, r, w, (w > 0 ? r / w : 0), (u > 0 ? r / u : 0), g, c }'
    if ((found > 0)); then
        grep -E -A6 '== property violated|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error' \
            "$log" | head -n 40 >&2 || true
        echo "   log: $log, inputs: $artifacts/" >&2
        return 1
    fi
}

echo "== fuzz: $runs inputs per target$( ((seconds > 0)) && echo ", at most $seconds s each")"
failed=()
for target in "${targets[@]}"; do
    fuzz_target "$target" || failed+=("$target")
done
if ((${#failed[@]} > 0)); then
    echo "fuzz: found something in ${failed[*]}" >&2
    exit 1
fi
