#!/usr/bin/env bash
# Fails when a catalog in translations/ lacks a translation of a text the
# program shows, or keeps one the program no longer has (lupdate, run on
# copies, would mark them unfinished or vanished), and when a message box
# is given a text no translator can see (a literal not marked TR_NOOP, or
# a text joined from pieces, directly or through a variable or function).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$root"/translations/selwarth_*.ts "$scratch"/
"$root"/scripts/update-translations.sh "$scratch"/selwarth_*.ts
status=0
for catalog in "$scratch"/selwarth_*.ts; do
  open=$(grep -cE 'type="(unfinished|vanished|obsolete)"' "$catalog" || true)
  if [ "$open" -ne 0 ]; then
    echo "$(basename "$catalog"): $open texts unfinished or vanished:" >&2
    grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$catalog" | grep '<source>' >&2
    status=1
  fi
done
unmarked=$(grep -rnPzo 'MessageBox\(\s*[^,()]+,\s*"' "$root"/src --include=*.cpp | tr '\0' '\n' | grep -c . || true)
if [ "$unmarked" -ne 0 ]; then
  echo "message boxes with texts not marked for translation:" >&2
  grep -rlPz 'MessageBox\(\s*[^,()]+,\s*"' "$root"/src --include=*.cpp >&2
  status=1
fi
# A text put together from pieces, or a name standing for one, is traced to
# where it is made.
if ! python3 "$root"/scripts/check-message-texts.py "$root"/src; then
  echo "message boxes with texts not made for translation (see above)" >&2
  status=1
fi
[ $status -eq 0 ] && echo "1 passed, 0 failed: every catalog is complete"
exit $status
