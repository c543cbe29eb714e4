#!/usr/bin/env bash
# A mutation run over the product code; see tools/mutate.py for what it changes and how.
#   tools/mutate.sh [--count N] [--seed S] [--scratch DIR] [--jobs J] [--list]
# Defaults: 40 mutants, seed 1, scratch folder build-mutate/ in the checkout. Not part of CI.
set -euo pipefail
exec python3 "$(dirname "$0")/mutate.py" "$@"
