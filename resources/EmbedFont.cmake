# Turns a font file into a C++ source holding it as a constant byte array, checked against the
# sha256 of the one version the layouts were measured with.
set(ROBOTO_SHA256 dbd285b518e398832f6f4a736109c355ce25a49546bfce41bab256c9ef7e56eb)
set(OCRB_SHA256 0e4dce06d9e17591f5e402f9ac876adedac29d973c4b5a90050f09d642c38352)

# font_file: the file; out_file: the generated source; header: what it includes; symbol: the array's
# name (its size is `${symbol}Size`); expected_sha256 and how: the check and the advice when it fails.
function(embed_font_file font_file out_file header symbol expected_sha256 how)
  if(NOT EXISTS "${font_file}")
    message(FATAL_ERROR "Font not found at ${font_file}. ${how}")
  endif()
  file(SHA256 "${font_file}" sum)
  if(NOT sum STREQUAL expected_sha256)
    message(FATAL_ERROR "Font at ${font_file} has sha256 ${sum}, expected ${expected_sha256}. ${how}")
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
    "// Generated from ${font_file}; do not edit.\n#include \"${header}\"\n\n"
    "const unsigned char ${symbol}[] = {\n${bytes}};\nconst size_t ${symbol}Size = ${size};\n")
  file(WRITE "${out_file}.sha256" "${sum}")
endfunction()

function(embed_font font_file out_file)
  embed_font_file("${font_file}" "${out_file}" "resources/roboto_regular.h" kRobotoRegularTtf "${ROBOTO_SHA256}"
    "Run `scripts/env ensure` (or `make setup`) to fetch it, or pass -DBARCODE_QUOR_FONT=<path> to a copy of \
Roboto_400Regular.ttf from the npm package @expo-google-fonts/roboto@0.4.2 (146004 bytes).")
endfunction()

function(embed_ocrb_font font_file out_file)
  embed_font_file("${font_file}" "${out_file}" "resources/ocrb_regular.h" kOcrbRegularOtf "${OCRB_SHA256}"
    "Install Debian's fonts-ocr-b 0.3.1 (`apt-get install fonts-ocr-b`), or pass -DBARCODE_QUOR_OCRB_FONT=<path> to \
a copy of its OCRB.otf (17616 bytes).")
endfunction()
