# Writes a C++ source holding a JPEG as a window definition stores a picture: the graphic's
# class name as a length-prefixed string, a 32-bit little-endian byte count, then the bytes.
# Usage: cmake -DINPUT=photo.jpg -DOUTPUT=out.cpp -DSYMBOL=name -P EmbedPicture.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")

set(class_name "TJPEGImage")
string(LENGTH "${class_name}" name_length)
set(prefix "${name_length},")
foreach(i RANGE 0 9)
  string(SUBSTRING "${class_name}" ${i} 1 ch)
  string(HEX "${ch}" ch_hex)
  string(APPEND prefix "0x${ch_hex},")
endforeach()
foreach(shift 0 8 16 24)
  math(EXPR byte "(${size} >> ${shift}) & 255")
  string(APPEND prefix "${byte},")
endforeach()

string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," body "${hex}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n" body "${body}")
file(WRITE "${OUTPUT}"
  "// Generated from ${INPUT}; do not edit.\n"
  "#include <cstddef>\n"
  "extern const unsigned char ${SYMBOL}[] = {\n${prefix}\n${body}\n};\n"
  "extern const std::size_t ${SYMBOL}Size = sizeof(${SYMBOL});\n")
