#!/bin/sh
# The real reacalc-cli process: exit codes and which stream gets what.
# Usage: cli_process_test.sh PATH-TO-reacalc-cli
cli=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
passes=0

# expect CODE STDOUT-FIRST-LINE STDERR-FIRST-LINE ARGS...
expect() {
  code=$1 out=$2 err=$3
  shift 3
  "$cli" "$@" >"$tmp/out" 2>"$tmp/err"
  got=$?
  got_out=$(head -n 1 "$tmp/out")
  got_err=$(head -n 1 "$tmp/err")
  if [ "$got" = "$code" ] && [ "$got_out" = "$out" ] && [ "$got_err" = "$err" ]; then
    passes=$((passes + 1))
  else
    failures=$((failures + 1))
    echo "FAIL: $* -> exit $got, stdout '$got_out', stderr '$got_err'"
  fi
}

tab=$(printf '\t')
cr=$(printf "\r")
usage="usage: reacalc-cli [--help] [--version] [--csv | --svg] [--frames | --at P | --compare LIST]"
expect 0 "REA${tab}BPS" "" 0.45 3 60 81
expect 0 "REA,BPS${cr}" "" --csv 0.45 3 60 81
expect 0 "$usage" "" --help
expect 1 "" "Enter valid baseRea > 0" -1 3 60 81
expect 1 "" "Enter valid FPS > 0" 0.45 3 "$(printf '6\377')" 81  # invalid UTF-8
expect 0 "REA${tab}BPS" "" 0.45 3 "$(printf '\357\274\226\357\274\220')" 81  # fullwidth 60
expect 2 "" "$usage" 0.45 3 60

expect 0 "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"0 0 640 400\" class=\"reacalc-chart\" role=\"img\" font-family=\"sans-serif\">" "" --svg 0.45 3 60 81
expect 1 "" "Enter valid FPS > 0" --svg 0.45 3 0 81
expect 0 "REA${tab}BPS${tab}FRAMES" "" --frames 0.45 3 60 81
expect 1 "" "Enter your REA % from 0 to 80" --at 81 0.45 3 60 81
expect 1 "" "Enter 1 to 4 frame rates > 0 to compare" --compare 60\;120 0.45 3 60 81
expect 2 "" "$usage" --frames --svg 0.45 3 60 81

"$cli" 0.45 3 60 81 | tail -n 1 | grep -qx "78${tab}30.000" && passes=$((passes + 1)) ||
  { failures=$((failures + 1)); echo "FAIL: last row of the default table"; }

# A weapon list from standard input and from a file: the good line answered,
# the bad one on stderr, exit 1.
printf 'name,baseRea,firingMode,fps,rea\r\nA,0.45,3,60,2\r\nB,0.45,3,0,2\r\n' >"$tmp/list.csv"
expect 1 "NAME${tab}REA${tab}BPS${tab}FRAMES" "line 3 (B): fps \"0\": Enter valid FPS > 0" --list "$tmp/list.csv"
"$cli" --json --list - <"$tmp/list.csv" 2>/dev/null | grep -q '^{"line": 2, "name": "A", "rows"' &&
  passes=$((passes + 1)) || { failures=$((failures + 1)); echo "FAIL: --json --list -"; }
expect 1 "" "Cannot read the weapon list $tmp/none.csv." --list "$tmp/none.csv"

# Lists that spreadsheet programs wrote (tests/answers/lists/README.md): the
# same answers and messages from each, whatever its separator, encoding and
# number formats; each failing line with the cell it judged and a hint.
lists=$(dirname "$0")/../answers/lists
expect 1 "NAME${tab}REA${tab}BPS${tab}FRAMES" \
  'line 6 (TwoDecimals): fps "60.00": Enter valid FPS > 0 (a whole number is needed)' \
  --list "$lists/lo-utf8.csv"
"$cli" --list "$lists/lo-utf8.csv" >"$tmp/utf8" 2>"$tmp/utf8.err"
for file in lo-tabs.txt lo-unicode.txt lo-german.csv excel-style.csv; do
  "$cli" --list "$lists/$file" 2>"$tmp/err" | grep -v -e Cannon -e Knife >"$tmp/out"
  cmp -s "$tmp/out" "$tmp/utf8" && { [ $file != lo-tabs.txt ] || cmp -s "$tmp/err" "$tmp/utf8.err"; } &&
    passes=$((passes + 1)) || { failures=$((failures + 1)); echo "FAIL: --list $file"; }
done
[ "$(cut -f 1 "$tmp/utf8" | uniq | paste -s -d '|' -)" = "NAME|Rifle|Shotgun, \"pump\"|Flammenwerfer Ä ö ß é 武器|Comma typed" ] &&
  [ "$(sed -n 's/.*(\(.*\))$/\1/p' "$tmp/err")" = "a whole number is needed
without the % sign
without the thousands separator" ] && passes=$((passes + 1)) || { failures=$((failures + 1)); echo "FAIL: names and hints"; }
# Read without its ', written with it again for a spreadsheet.
"$cli" --json --list "$lists/excel-style.csv" 2>/dev/null | grep -q '"name": "=Cannon"' &&
  "$cli" --list "$lists/excel-style.csv" 2>/dev/null | cut -f 1 | grep -qx "'=Cannon" && passes=$((passes + 1)) || { failures=$((failures + 1)); echo "FAIL: ' dropped"; }
"$cli" --json --list "$lists/lo-german.csv" 2>/dev/null | grep -qF '"error": {"input": "rea", "message": "Enter valid REA % > 0", "cell": "1.000", "hint": "a whole number is needed, without separators"}' &&
  passes=$((passes + 1)) || { failures=$((failures + 1)); echo "FAIL: --json --list lo-german.csv"; }
expect 1 "" "The weapon list is not UTF-8 text: line 4 is not. Save it as CSV UTF-8." --list "$lists/lo-default.csv"

echo "$passes passed, $failures failed"
[ "$failures" = 0 ]
