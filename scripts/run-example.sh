#!/usr/bin/env bash
# The main job: builds brisko and imports the example article, writing the
# document as JSON and as plain text into out/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh" "$root/build"
mkdir -p "$root/out"
example="$root/examples/article.xtg"
"$root/build/app/brisko" import "$example" -o "$root/out/article.json"
"$root/build/app/brisko" import "$example" -o "$root/out/article.txt" >/dev/null 2>&1
echo
echo "Imported $example:"
echo "  $root/out/article.txt   (the text, one line per paragraph)"
echo "  $root/out/article.json  (stories, paragraphs, runs, styles, swatches, alerts)"
