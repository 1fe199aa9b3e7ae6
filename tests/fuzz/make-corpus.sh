#!/usr/bin/env bash
# Writes the seed corpus of every fuzz target into corpus/<target>/ beside this script. The
# profile and locations targets read their names and map size from the input first (strings
# ended by a backslash from the front, numbers from the end), then the file's bytes. Needs cjpeg
# and djpeg (libjpeg-turbo-progs) for the pictures. It writes corpus/ only: the inputs of past
# findings in regressions/ are kept by hand and never touched here.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$here/corpus
rm -rf "$out"
mkdir -p "$out"/{profile_file_fuzz,locations_fuzz,jpeg_decode_fuzz,texts_fuzz,help_file_fuzz,strveil_records_fuzz}

seed() { printf '%b' "$2" >"$out/$1/$3"; }

settings='[Config]\r\nLanguage=Engli\r\nAnimationSpeed=20\r\nAnimate=1\r\nCross=1\r\nCrossColor=clWhite\r\nBorderColor=$0080FFFF\r\nBorderStyle=3\r\n'
locations='[PROPERTIES]\r\nlanguage=English\r\n[DATA]\r\nOakford=1200,850\r\nAsh Hill=$4B0, 8501\r\noakford=3,4\r\nA=B=1,2\r\nEmpty=\r\n'
seed profile_file_fuzz "Config\\\\ DATA\\\\ CrossColor\\\\ clRed\\\\ $settings" settings
seed profile_file_fuzz "DATA\\\\ PROPERTIES\\\\ Oakford\\\\ 7,8\\\\ $locations" locations
seed profile_file_fuzz "S\\\\ T\\\\ k\\\\ v\\\\ \xEF\xBB\xBFstray\n[S]\n; note\n  k =  ab \x00x\r\n[T]\rk=1\n[s]\nlast" odd
seed profile_file_fuzz "Config\\\\ Other\\\\ Cross\\\\ \"1\"\\\\ [Config]\rLanguage=\"Neder\"\rAnimationSpeed='30'\rCross=\"\r[Other]\n\rk= \" a \" " cr-quotes
# Two inputs an earlier fuzzing run found: they reach parts of the layer the seeds above miss.
seed profile_file_fuzz '\x5C\x00,\x0A' rewrite-same-value-nul
seed profile_file_fuzz 'XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXtte\x5C\x01+\x1D)eaeee2' rewrite-same-value-long-key

seed locations_fuzz "$locations\x10\x05\x10\x05" english
seed locations_fuzz "[DATA]\nZebra=1,2\napple=3,4\nAsh Hill=5,6\nAshford=7,8\nAsh=9,10\n\xC4rger=1,1\n\x01\x01\x01\x01" order
seed locations_fuzz "[PROPERTIES]\nlanguage=Dutch\n" only-properties
seed locations_fuzz "[PROPERTIES]\rlanguage=\"Dutch\"\r[DATA]\rOakford=\"1200,850\"\rMill='5,6\r\x10\x05\x10\x05" cr-quotes

seed texts_fuzz 'clRed' name
seed texts_fuzz 'CLINFOBK' name-upper
seed texts_fuzz '$0080FFFF' hex
seed texts_fuzz '   -2147483647' decimal
seed texts_fuzz '+$10' sign-hex
seed texts_fuzz '0x1F' c-hex

head -c 3000 "$here/../../viewer/resources/orvd.hlp" >"$out/help_file_fuzz/orvd.hlp"
seed help_file_fuzz '[7] Seven\r\n\n\nText\n; comment\n[x] no topic\n[contents]\n\n' small

# Pictures: 16 x 16 pixels in the forms a map file may take.
ppm=$(mktemp)
trap 'rm -f "$ppm"' EXIT
{
    printf 'P6 16 16 255\n'
    for ((i = 0; i < 256; i++)); do printf "\\x$(printf %02x $((i % 256)))\\x$(printf %02x $((255 - i)))\\x80"; done
} >"$ppm"
jpeg=$out/jpeg_decode_fuzz
cjpeg -quality 75 "$ppm" >"$jpeg/baseline.jpg"
cjpeg -quality 75 -progressive "$ppm" >"$jpeg/progressive.jpg"
cjpeg -quality 75 -grayscale "$ppm" >"$jpeg/grey.jpg"
cjpeg -quality 75 -sample 1x1 -restart 1 "$ppm" >"$jpeg/restart-444.jpg"
cjpeg -quality 75 -arithmetic "$ppm" >"$jpeg/arithmetic.jpg"

# Record sequences: arbitrary bytes, the same on every run.
for n in 1 2 3 4 5 6; do
    awk -v n=$n 'BEGIN { srand(n); for (i = 0; i < 64 * n; i++) printf "%c", int(rand() * 256) }' \
        LC_ALL=C >"$out/strveil_records_fuzz/records-$n"
done
