#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The web build's tests: builds krellwick-web/ and the unit tests with
# Emscripten (scripts/web.sh --tests), runs the unit tests under node, then
# plays the page in headless Chromium (tests/web/test_browser.py).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${WEB_BUILD_DIR:-$root/build-web}
"$root/scripts/web.sh" --tests

# Left out under node: a thread of their own (the browser build has none),
# FIFOs (its file system has none) and a comma-decimal locale (its C
# library has none); ending the process is left out where it is written.
skip=Clouds.AWorkerThreadKeepsItsOwnSequenceAcrossFrames
skip+=:HeightKernel.MissingEmptyOrNonRegularFileGivesFlatGround
skip+=:ObjReader.MissingOrNonRegularFileLeavesTheMeshAloneSilently
skip+=:PngPicture.OnlyRegularFilesAreOpened
skip+=:ModelFiles.NumbersReadTheSameUnderACommaDecimalLocale
# Node's fetch cannot read a file path, which Emscripten 3.1.6 tries first.
(cd "$build" && node --no-experimental-fetch krellwick_tests.js --gtest_filter="-$skip" | grep -E '^\[(==========|  PASSED|  FAILED)')

/usr/bin/python3 "$root/tests/web/test_browser.py" "$root/krellwick-web"
