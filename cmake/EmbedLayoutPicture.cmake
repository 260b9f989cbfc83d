# Writes a window layout with a bitmap file stored in it as a picture's binary data:
# "@FILE@" in the template becomes "{...}" holding the graphic's class name (one length
# byte, then the name), the file's size (32-bit little endian) and the file, as the layout
# reader expects of a picture's Data.
#   cmake -DTEMPLATE=in.layout -DBITMAP=picture.bmp -DOUTPUT=out.layout -P EmbedLayoutPicture.cmake
file(READ "${TEMPLATE}" _layout)
file(READ "${BITMAP}" _bitmap HEX)
file(SIZE "${BITMAP}" _size)
get_filename_component(_name "${BITMAP}" NAME)

function(_hex_byte value out)
  math(EXPR _byte "${value} & 255" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${_byte}" 2 -1 _digits)
  string(LENGTH "${_digits}" _count)
  if(_count EQUAL 1)
    set(_digits "0${_digits}")
  endif()
  set(${out} "${_digits}" PARENT_SCOPE)
endfunction()

set(_class "TBitmap")
string(LENGTH "${_class}" _class_length)
string(HEX "${_class}" _class_hex)
_hex_byte(${_class_length} _data)
string(APPEND _data "${_class_hex}")
foreach(_shift 0 8 16 24)
  math(EXPR _part "${_size} >> ${_shift}")
  _hex_byte(${_part} _digits)
  string(APPEND _data "${_digits}")
endforeach()
string(APPEND _data "${_bitmap}")
string(TOUPPER "${_data}" _data)

# Lines of 64 digits, indented under the property.
string(LENGTH "${_data}" _total)
set(_lines "")
set(_at 0)
while(_at LESS _total)
  string(SUBSTRING "${_data}" ${_at} 64 _line)
  string(APPEND _lines "\n      ${_line}")
  math(EXPR _at "${_at} + 64")
endwhile()

string(FIND "${_layout}" "@${_name}@" _placeholder)
if(_placeholder EQUAL -1)
  message(FATAL_ERROR "${TEMPLATE} has no @${_name}@ placeholder")
endif()
string(REPLACE "@${_name}@" "{${_lines}}" _layout "${_layout}")
file(WRITE "${OUTPUT}" "${_layout}")
