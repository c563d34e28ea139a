#!/bin/sh
# Writes the seed inputs of the picture fuzzers: 16 x 16 JPEG and bitmap files made with
# ImageMagick, raw in jpeg/ and framed in picture/ as a window definition stores a picture
# (class name as a length-prefixed string, a 32-bit little-endian count, the file).
# Run from anywhere; it rewrites those files and leaves the others (saved findings) alone.
set -eu
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p jpeg picture

image() { convert -size 16x16 gradient:red-blue -swirl 90 -strip "$@"; }

# A 32-bit little-endian number as four raw bytes (the format is made of octal escapes).
# shellcheck disable=SC2059
le32() { printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $(($1 & 255)) $(($1 >> 8 & 255)) \
    $(($1 >> 16 & 255)) $(($1 >> 24 & 255)))"; }
# frame <class> <file>: the stored form of a picture of that class.
frame() { printf "\\$(printf %03o ${#1})%s" "$1"; le32 "$(wc -c <"$2")"; cat "$2"; }

image -quality 90 -sampling-factor 2x2 jpeg/colour-420.jpg
image -quality 75 -sampling-factor 1x1 jpeg/colour-444.jpg
image -colorspace Gray jpeg/gray.jpg
image -interlace Plane jpeg/progressive.jpg
image -colorspace CMYK jpeg/cmyk.jpg
head -c 200 jpeg/colour-420.jpg >jpeg/truncated.jpg

image -type TrueColor BMP3:"$tmp/24.bmp"
image -type Palette -colors 16 BMP3:"$tmp/4.bmp"
image -type Palette -colors 200 -compress RLE BMP3:"$tmp/rle8.bmp"
image -type TrueColorAlpha -alpha on BMP:"$tmp/32.bmp"
for bmp in 24 4 rle8 32; do frame TBitmap "$tmp/$bmp.bmp" >"picture/bitmap-$bmp.bin"; done
for jpeg in colour-420 gray progressive; do
    frame TJPEGImage "jpeg/$jpeg.jpg" >"picture/jpeg-$jpeg.bin"
done
frame TJPEGImage jpeg/truncated.jpg >picture/jpeg-truncated.bin
frame TJPEGImage jpeg/colour-444.jpg | head -c 100 >picture/stream-cut-short.bin
printf 'GIF89a' >"$tmp/gif"
frame TGIFImage "$tmp/gif" >picture/unknown-class.bin
printf '\000' >picture/empty.bin
