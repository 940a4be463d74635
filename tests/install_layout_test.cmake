# Installs the build into a scratch prefix and checks that the program, its desktop entry, its icons
# in every drawn size, its software-centre metadata, its manual page and its copyright land where a
# desktop and a user look for them, the desktop files named by the application id.
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

set(id io.github.orvanta.Orvanta)
foreach(file share/metainfo/${id}.metainfo.xml share/man/man1/orvanta.1.gz share/doc/orvanta/copyright)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(SEND_ERROR "no ${file}")
  endif()
endforeach()

set(entry "${PREFIX}/share/applications/${id}.desktop")
if(EXISTS "${entry}")
  file(STRINGS "${entry}" lines)
  foreach(expected "Exec=orvanta" "Icon=${id}" "Name=Orvanta")
    if(NOT expected IN_LIST lines)
      message(SEND_ERROR "the desktop entry lacks ${expected}")
    endif()
  endforeach()
else()
  message(SEND_ERROR "no desktop entry in share/applications/")
endif()

# A PNG keeps its width and height as 32-bit numbers from byte 16 on.
foreach(size 16 32 48 64 128)
  set(icon "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${id}.png")
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
