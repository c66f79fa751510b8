#!/usr/bin/env bash
# Drives recpack's bash completion function as bash does when the user presses Tab, and
# compares what it offers.
#   completion_test.sh COMPLETION_FILE
set -u
source "$1"

failures=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" && touch a.wav b.txt "with space.mid" && mkdir sub

# expect "WORD WORD ..." -- the command line, its last word being completed
expect() {
  local want=$1
  shift 2
  COMP_WORDS=("$@")
  COMP_CWORD=$(( $# - 1 ))
  _recpack
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | paste -sd' ')
  if [[ $got != "$want" ]]; then
    echo "FAIL: recpack ${*:2} -> [$got], expected [$want]"
    failures=$(( failures + 1 ))
  fi
}

expect "-help -type" -- recpack ""
expect "-type" -- recpack -t
expect "midi tips wave" -- recpack -type ""
expect "midi" -- recpack -type m
expect "midi tips wave" -- recpack -help ""
expect "-midFile -name -o" -- recpack -type midi ""
expect "-midFile -o" -- recpack -type midi -name Song ""
expect "-file -o" -- recpack -type wave ""
expect "-o" -- recpack -type wave -file a.wav ""
expect "-next" -- recpack -type tips -nav 1 -n
expect "-base -content -done -menu -nav -next -o -prev -status" -- recpack -type tips ""
expect "-content" -- recpack -o x -type tips -next n -prev p -status s -menu m -done 1 -nav 1 -base 1 ""
expect "" -- recpack -type midi -name ""
expect "a.wav b.txt sub with space.mid" -- recpack -type wave -file ""
expect "a.wav" -- recpack -type wave -file a
expect "with space.mid" -- recpack -type midi -name x -midFile w
expect "b.txt" -- recpack -type tips -content c -o b

if (( failures > 0 )); then
  echo "$failures completion cases failed"
  exit 1
fi
echo "all completion cases passed"
