#!/bin/sh
# Rewrites every golden output from the current program: tests/golden/regen.sh [BUILD_DIR]
# Review the changes with `git diff tests/golden` before committing them.
set -e
build=${1:-build-dev}
TESSORA_GOLDEN_REGEN=1 ctest --test-dir "$build" -R '^golden\.' --output-on-failure
