#!/usr/bin/env bash
# The test sessions themselves. One whose window manager, compositor or shell is missing fails
# within seconds, in one line that names the package and the command that installs it. The
# Wayland sessions start from a checkout however deep it lies: their sockets live in a short
# private folder (a Unix socket's path holds at most 107 bytes), removed when the session ends.
set -u
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
session=$(dirname "$0")/../../scripts/with-x-session
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# This machine's programs, less the one each session cannot do without.
mkdir "$scratch/bin"
find /usr/sbin /usr/bin /usr/local/bin -mindepth 1 -maxdepth 1 -exec ln -sf -t "$scratch/bin" {} +
for case in openbox:openbox kwin_x11:kwin_x11 kwin_wayland:kwin_wayland gnome:gnome-shell weston:Xwayland; do
  name=${case%%:*} missing=${case#*:} started=$SECONDS
  hidden=$(readlink "$scratch/bin/$missing")
  rm "$scratch/bin/$missing"
  PATH=$scratch/bin timeout 60 "$session" --session "$name" "$scratch/artifacts" true 2>"$scratch/said"
  status=$?
  if [ "$status" -ne 1 ] || [ $((SECONDS - started)) -gt 10 ] || [ "$(grep -c . "$scratch/said")" -ne 1 ] ||
    ! grep -q "$missing.*scripts/install-deps test" "$scratch/said"; then
    fail "$name without $missing: status $status after $((SECONDS - started)) s, saying: $(cat "$scratch/said")"
  fi
  ln -s "$hidden" "$scratch/bin/$missing"
done

deep=$scratch/$(printf 'checkout-%.0s' {1..14}) # over 120 characters, as a clone deep in a home folder
for name in weston kwin_wayland gnome; do
  artifacts=$deep/$name
  if ! "$session" --session "$name" "$artifacts" sh -c 'echo "$XDG_RUNTIME_DIR"' >"$scratch/runtime" 2>"$scratch/said"; then
    fail "the $name session did not start from $artifacts: $(tail -n 5 "$scratch/said")"
    continue
  fi
  [ -z "$(find "$artifacts" -type s)" ] || fail "the $name session left sockets in its artifacts: $(find "$artifacts" -type s)"
  [ ! -e "$(cat "$scratch/runtime")" ] || fail "the $name session left its runtime folder $(cat "$scratch/runtime") behind"
done
[ "$failures" -eq 0 ] && echo "all checks passed"
