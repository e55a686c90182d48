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
# same weapons answered from each, whatever its separator, encoding and
# number formats, and each failing line with the cell it judged.
lists=$(dirname "$0")/../answers/lists
names="Rifle|Shotgun, \"pump\"|Flammenwerfer Ä ö ß é 武器|Comma typed"
en='line 6 (TwoDecimals): fps "60.00": Enter valid FPS > 0 (a whole number is needed)
line 7 (Percent): at "37%": Enter your REA % from 0 to 80 (without the % sign)
line 8 (Thousands): rea "1,000": Enter valid REA % > 0 (without the thousands separator)'
"$cli" --list "$lists/lo-utf8.csv" >"$tmp/utf8" 2>/dev/null
# list FILE NAMES STDERR: exit 1, the names answered, stderr exactly.
list() {
  "$cli" --list "$lists/$1" >"$tmp/out" 2>"$tmp/err"
  got=$?
  got_names=$(tail -n +2 "$tmp/out" | cut -f 1 | uniq | paste -s -d '|' -)
  if [ "$got" = 1 ] && [ "$got_names" = "$2" ] && [ "$(cat "$tmp/err")" = "$3" ] &&
    { [ "$1" = excel-style.csv ] || [ -z "$2" ] || cmp -s "$tmp/out" "$tmp/utf8"; }; then
    passes=$((passes + 1))
  else
    failures=$((failures + 1))
    echo "FAIL: --list $1 -> exit $got, names '$got_names', stderr '$(cat "$tmp/err")'"
  fi
}
list lo-utf8.csv "$names" "$en"
list lo-tabs.txt "$names" "$en"
list lo-unicode.txt "$names" "$en"
list lo-german.csv "$names" 'line 6 (TwoDecimals): fps "60,00": Enter valid FPS > 0 (a whole number is needed)
line 7 (Percent): at "37%": Enter your REA % from 0 to 80 (without the % sign)
line 8 (Thousands): rea "1.000": Enter valid REA % > 0 (a whole number is needed, without separators)'
list lo-default.csv "" "The weapon list is not UTF-8 text: line 4 is not. Save it as CSV UTF-8."
list excel-style.csv "Rifle|Shotgun, \"pump\"|Flammenwerfer Ä ö ß é 武器|=Cannon|-Knife-|Comma typed" \
  'line 9 (TwoDecimals): fps "60.00": Enter valid FPS > 0 (a whole number is needed)
line 10 (Percent): at "37%": Enter your REA % from 0 to 80 (without the % sign)
line 11 (Thousands): rea "1,000": Enter valid REA % > 0 (without the thousands separator)'
"$cli" --json --list "$lists/lo-german.csv" 2>/dev/null | grep -qF '{"line": 6, "name": "TwoDecimals", "error": {"input": "fps", "message": "Enter valid FPS > 0", "cell": "60,00", "hint": "a whole number is needed"}}' &&
  passes=$((passes + 1)) || { failures=$((failures + 1)); echo "FAIL: --json --list lo-german.csv"; }

echo "$passes passed, $failures failed"
[ "$failures" = 0 ]
