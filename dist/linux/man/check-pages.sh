#!/bin/sh
# Fails when man reports any warning for the given pages (it still exits 0).
status=0
for page in "$@"; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "$page: $warnings"
    status=1
  fi
done
exit $status
