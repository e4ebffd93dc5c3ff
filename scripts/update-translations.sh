#!/bin/sh
# Brings every translations/zova_*.ts file (or the ones named) in step with the
# texts of the code: the window's tr() calls and the model's texts, which it
# marks with ZOVA_TEXT (engine/text.h) where they live.
#
#   scripts/update-translations.sh [translations/zova_xx.ts ...]
set -e
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
[ $# -gt 0 ] || set -- translations/zova_*.ts
"$lupdate" -tr-function-alias QT_TRANSLATE_NOOP+=ZOVA_TEXT -no-obsolete -locations none src \
  -ts "$@"
