#!/usr/bin/env bash
# Brings the catalogs in translations/ up to date with the texts marked in
# src/: new texts come in unfinished, texts no longer in the program are
# marked vanished. docs/translating.md tells what to do next.
#
#   scripts/update-translations.sh [catalog.ts...]   (default: all of them)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-$(command -v lupdate6 || command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
cd "$root"
if [ $# -eq 0 ]; then
  set -- translations/selwarth_*.ts
fi
# TR_NOOP and TR_NOOP3 mark a text where it is declared; TranslatedText
# translates a pattern put together at run time.
exec "$lupdate" -silent -locations none \
  -tr-function-alias QT_TRANSLATE_NOOP+=TR_NOOP,QT_TRANSLATE_NOOP+=TranslatedText,QT_TRANSLATE_NOOP3+=TR_NOOP3 \
  src -ts "$@"
