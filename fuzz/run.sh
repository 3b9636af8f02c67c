#!/usr/bin/env bash
# Builds the fuzz targets (clang, in their own build folder) and runs each for
# the given number of seconds, starting from the fixture folders' files.
#   fuzz/run.sh [seconds-per-target]
# A crash or a broken property stops the run; the input that caused it is kept
# in <build>/artifacts/ and should become a regression case in the unit tests.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-180}"
build="${FUZZ_BUILD_DIR:-build-fuzz}"

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build"

# Seeds: every fixture table file. The table-file target takes a last byte
# naming the table kind (its number in reader order, the preferences last).
tables=(MainID MainNm InsXref InsID ConID ConXref Allergy Illness Surgery Appt Med Vacc Test
        BP Weight Glucose Family PharmID ProvID Location ProvType Chol Prefs)
seeds="$build/seeds"
rm -rf "$seeds"
mkdir -p "$seeds"/{table_file,table_header,duplicate_keys} "$build/artifacts"
cp -r fuzz/seeds/settings_file fuzz/seeds/rich_text_reader fuzz/seeds/import_line "$seeds/"
n=0
while IFS= read -r -d '' file; do
  n=$((n + 1))
  name=$(basename "$file" .cdb)
  name=${name#Vantorelle}
  for i in "${!tables[@]}"; do
    if [ "${tables[$i]}" = "$name" ]; then
      { cat "$file"; printf "\\$(printf '%03o' "$i")"; } > "$seeds/table_file/$n-$name"
    fi
  done
  cp "$file" "$seeds/table_header/$n-$name"
  cp "$file" "$seeds/duplicate_keys/$n-$name"
done < <(find tests/data data -name '*.cdb' -print0 | sort -z)

status=0
for target in table_file table_header duplicate_keys settings_file rich_text_reader import_line; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  echo "== $target: ${seconds} s"
  if ! "$build/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
      "$corpus" "$seeds/$target" > "$build/$target.log" 2>&1; then
    echo "!! $target failed; the end of its log ($build/$target.log):"
    tail -n 40 "$build/$target.log"
    status=1
  else
    grep -E "^stat::number_of_executed_units|^#[0-9]+.*DONE" "$build/$target.log" | tail -n 2 || true
  fi
done
exit $status
