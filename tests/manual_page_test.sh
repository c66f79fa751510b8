#!/usr/bin/env bash
# A manual page must render without a single warning, its tables within an 80-column terminal.
#   manual_page_test.sh PAGE...
set -u
status=0
for page in "$@"; do
  warnings=$(groff -t -man -Tutf8 -rLL=72n -ww -z "$page" 2>&1)
  if [[ -n $warnings ]]; then
    echo "$page:"
    echo "$warnings"
    status=1
  fi
done
exit $status
