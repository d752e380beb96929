#!/bin/sh
# Brings translations/tessora_LANG.ts up to date with the texts the sources hand to translate() and
# QT_TRANSLATE_NOOP: new texts come in unfinished, texts no longer used are dropped. Fill in the new
# ones (tessora_ja.ts: the text itself) before committing; a test checks every text has both.
set -e
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate-qt6 || command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
for lang in en ja; do
  "$lupdate" -silent -no-obsolete -tr-function-alias QT_TRANSLATE_NOOP+=TRANSLATABLE -locations none -source-language ja -target-language "$lang" \
    app qt control display kifu settings help sound core platform -ts "translations/tessora_$lang.ts"
done
