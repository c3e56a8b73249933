# SPDX-License-Identifier: MIT
# The Windows edition's download: quillet-<version>-windows.zip, with the program, a short text in
# Japanese and the licence, to unpack anywhere and run. `cmake --build --preset windows --target
# windows_zip` writes it, reproducibly, into the build folder.
install(TARGETS quillet_win32 RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/ui/win32/README.txt DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

if(Python3_FOUND)
  set(QUILLET_WINDOWS_ZIP ${PROJECT_BINARY_DIR}/quillet-${PROJECT_VERSION}-windows.zip)
  add_custom_command(OUTPUT ${QUILLET_WINDOWS_ZIP}
    COMMAND ${QUILLET_WITH_SOURCE_DATE}
            ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/write_zip.py ${QUILLET_WINDOWS_ZIP}
            LICENSE.txt=${PROJECT_SOURCE_DIR}/LICENSE
            README.txt=${PROJECT_SOURCE_DIR}/ui/win32/README.txt
            quillet.exe=$<TARGET_FILE:quillet_win32>
    DEPENDS quillet_win32 ${QUILLET_SOURCE_DATE_FILE} ${CMAKE_CURRENT_LIST_DIR}/write_zip.py
            ${PROJECT_SOURCE_DIR}/LICENSE
            ${PROJECT_SOURCE_DIR}/ui/win32/README.txt
    VERBATIM)
  add_custom_target(windows_zip DEPENDS ${QUILLET_WINDOWS_ZIP})
endif()
