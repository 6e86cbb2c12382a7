#!/usr/bin/env bash
# Every source file carries "SPDX-License-Identifier: MIT" in its first lines.
set -euo pipefail
cd "$1"
missing=0
while IFS= read -r -d '' file; do
  if ! head -n 5 "$file" | grep -q 'SPDX-License-Identifier: MIT'; then
    echo "no licence line: $file"; missing=$((missing + 1))
  fi
done < <(find app world gameplay render geometry audio tests bench fuzz -type f \
           \( -name '*.cpp' -o -name '*.h' -o -name '*.in' -o -name '*.sh' -o -name '*.py' \
              -o -name '*.cmake' -o -name CMakeLists.txt \) -print0 2>/dev/null)
[ "$missing" = 0 ] || { echo "FAIL: $missing files without a licence line" >&2; exit 1; }
echo "PASS"
