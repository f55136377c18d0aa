#!/usr/bin/env bash
# Builds the three programs and runs them on the sample data: compiles the phrase list, dumps the
# phrase file, compiles the listing back and shows that the two phrase files are identical.
# Needs CMake 3.25 and a C++17 compiler. The sample files are GBK; what they show is converted
# to UTF-8 for the terminal with iconv.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/demo"

echo "Building the programs in $build ..."
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DPHRASETOOLS_TESTS=OFF >/dev/null
cmake --build "$build" -j 2 >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/examples/phrases.txt "$root"/examples/listing.txt "$work"/
cd "$work"
export PATH="$build:$PATH"
# The sample table, and a double-byte code page (GBK) for the programs. The locale need not be
# installed: the programs only read its name (env keeps the shell from trying to switch to it).
export HANLEX_DIR="$root/examples"
for program in phrase_dump phrase_from_chars phrase_from_syllables; do
    eval "$program() { env -u LC_ALL -u LC_CTYPE LANG=zh_CN.GBK $build/$program \"\$@\"; }"
done

show() { printf '\n$ %s\n' "$*"; }
to_utf8() { iconv -f GBK -t UTF-8; }

echo
echo "HANLEX_DIR=$HANLEX_DIR LANG=zh_CN.GBK, in $work"

show "phrase_from_chars phrases.txt phrases.bin | iconv -f GBK -t UTF-8"
echo "(echoed: phrases with a character of no syllable or of two; longer than 8: dropped)"
phrase_from_chars phrases.txt phrases.bin | to_utf8

show "phrase_dump phrases.bin phrases.lst"
phrase_dump phrases.bin phrases.lst
show "iconv -f GBK -t UTF-8 phrases.lst"
to_utf8 <phrases.lst

show "phrase_from_syllables phrases.lst again.bin"
phrase_from_syllables phrases.lst again.bin

show "cmp phrases.bin again.bin"
cmp phrases.bin again.bin
echo "identical: $(wc -c <phrases.bin) bytes, $(wc -l <phrases.lst) phrases"

show "phrase_from_syllables listing.txt listing.bin | iconv -f GBK -t UTF-8"
echo "(echoed: lines whose syllables are not all found)"
phrase_from_syllables listing.txt listing.bin | to_utf8
phrase_dump listing.bin listing.lst
show "iconv -f GBK -t UTF-8 listing.lst"
to_utf8 <listing.lst
