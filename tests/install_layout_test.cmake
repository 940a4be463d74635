# Installs the build into a scratch prefix and checks that the program, its desktop entry and its
# icons land where a desktop looks for them.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -P install_layout_test.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

if(NOT EXISTS "${PREFIX}/bin/orvanta")
  message(SEND_ERROR "the program is not in bin/")
endif()

set(entry "${PREFIX}/share/applications/orvanta.desktop")
if(EXISTS "${entry}")
  file(STRINGS "${entry}" lines)
  foreach(expected "Exec=orvanta" "Icon=orvanta" "Name=Orvanta")
    if(NOT expected IN_LIST lines)
      message(SEND_ERROR "the desktop entry lacks ${expected}")
    endif()
  endforeach()
else()
  message(SEND_ERROR "no desktop entry in share/applications/")
endif()

# A PNG keeps its width and height as 32-bit numbers from byte 16 on.
foreach(size 16 32)
  set(icon "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/orvanta.png")
  if(NOT EXISTS "${icon}")
    message(SEND_ERROR "no ${size}x${size} icon")
    continue()
  endif()
  file(READ "${icon}" dimensions OFFSET 16 LIMIT 8 HEX)
  math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${expected}" 2 -1 digits)
  string(LENGTH "${digits}" length)
  math(EXPR padding "8 - ${length}")
  string(REPEAT "0" ${padding} zeros)
  if(NOT dimensions STREQUAL "${zeros}${digits}${zeros}${digits}")
    message(SEND_ERROR "the ${size}x${size} icon measures ${dimensions} (hex)")
  endif()
endforeach()
