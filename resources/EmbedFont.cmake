# Turns the Roboto Regular font file into a C++ source holding it as a constant byte array.
set(ROBOTO_SHA256 dbd285b518e398832f6f4a736109c355ce25a49546bfce41bab256c9ef7e56eb)

function(embed_font font_file out_file)
  set(how "Run `scripts/env ensure` (or `make setup`) to fetch it, or pass -DBARCODE_QUOR_FONT=<path> to a copy of \
Roboto_400Regular.ttf from the npm package @expo-google-fonts/roboto@0.4.2 (146004 bytes).")
  if(NOT EXISTS "${font_file}")
    message(FATAL_ERROR "Roboto font not found at ${font_file}. ${how}")
  endif()
  file(SHA256 "${font_file}" sum)
  if(NOT sum STREQUAL ROBOTO_SHA256)
    message(FATAL_ERROR "Roboto font at ${font_file} has sha256 ${sum}, expected ${ROBOTO_SHA256}. ${how}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${font_file}")
  if(EXISTS "${out_file}.sha256")
    file(READ "${out_file}.sha256" done)
    if(done STREQUAL sum AND EXISTS "${out_file}")
      return()
    endif()
  endif()
  file(READ "${font_file}" hex HEX)
  file(SIZE "${font_file}" size)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
  file(WRITE "${out_file}"
    "// Generated from ${font_file}; do not edit.\n#include \"resources/roboto_regular.h\"\n\n"
    "const unsigned char kRobotoRegularTtf[] = {\n${bytes}};\nconst size_t kRobotoRegularTtfSize = ${size};\n")
  file(WRITE "${out_file}.sha256" "${sum}")
endfunction()
