#!/usr/bin/env bash
# A desktop session whose window manager, compositor or shell is missing fails within seconds,
# in one line that names the package and the command that installs it, instead of timing out.
set -u
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
session=$(dirname "$0")/../../scripts/with-x-session
failures=0

# This machine's programs, less the one each session cannot do without.
mkdir "$scratch/bin"
for folder in /usr/sbin /usr/bin /usr/local/bin; do
  find "$folder" -mindepth 1 -maxdepth 1 -exec ln -sf -t "$scratch/bin" {} +
done

for case in openbox:openbox kwin_x11:kwin_x11 kwin_wayland:kwin_wayland gnome:gnome-shell weston:Xwayland; do
  name=${case%%:*} missing=${case#*:}
  hidden=$(readlink "$scratch/bin/$missing")
  rm "$scratch/bin/$missing"
  started=$SECONDS
  PATH=$scratch/bin timeout 60 "$session" --session "$name" "$scratch/artifacts" true 2>"$scratch/said"
  status=$?
  said=$(grep -c . "$scratch/said")
  if [ "$status" -ne 1 ] || [ $((SECONDS - started)) -gt 10 ] || [ "$said" -ne 1 ] ||
    ! grep -q "$missing.*scripts/install-deps test" "$scratch/said"; then
    echo "FAIL: $name without $missing: status $status after $((SECONDS - started)) s, saying:" >&2
    cat "$scratch/said" >&2
    failures=$((failures + 1))
  else
    echo "ok: $name without $missing: $(cat "$scratch/said")"
  fi
  ln -s "$hidden" "$scratch/bin/$missing"
done
[ "$failures" -eq 0 ]
