#!/usr/bin/env bash
# Put `ovalspin-cli --help` into README.md between its usage markers, so the
# README shows exactly what the program says. tests/cli_test.cpp checks they match.
#   tools/readme-usage.sh [PATH/TO/ovalspin-cli]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build-dev/ovalspin-cli}
help=$("$cli" --help)
python3 - "$help" <<'PY'
import sys
begin, end = "<!-- usage: begin -->", "<!-- usage: end -->"
text = open("README.md").read()
a, b = text.index(begin) + len(begin), text.index(end)
open("README.md", "w").write(text[:a] + "\n```\n" + sys.argv[1] + "\n```\n" + text[b:])
PY
