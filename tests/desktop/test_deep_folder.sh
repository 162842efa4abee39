#!/usr/bin/env bash
# The Wayland sessions start from a checkout however deep it lies: their sockets live in a short
# private folder of their own (a Unix socket's path holds at most 107 bytes), removed when the
# session ends, and none in the build tree beside the logs.
set -u
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
session=$(dirname "$0")/../../scripts/with-x-session
deep=$scratch/$(printf 'checkout-%.0s' {1..14}) # over 120 characters, as a clone deep in a home folder
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for name in weston kwin_wayland gnome; do
  artifacts=$deep/$name before=$failures
  if ! "$session" --session "$name" "$artifacts" sh -c 'echo "$XDG_RUNTIME_DIR"' >"$scratch/runtime" 2>"$scratch/said"; then
    fail "the $name session did not start from $artifacts:"
    tail -n 5 "$scratch/said" >&2
    continue
  fi
  runtime=$(cat "$scratch/runtime")
  [ -n "$(find "$artifacts" -type s)" ] && fail "the $name session left sockets in its artifacts: $(find "$artifacts" -type s)"
  [ -e "$runtime" ] && fail "the $name session left its runtime folder $runtime behind"
  [ "$failures" -eq "$before" ] && echo "ok: $name from a ${#artifacts}-character folder, its sockets in $runtime"
done
[ "$failures" -eq 0 ]
