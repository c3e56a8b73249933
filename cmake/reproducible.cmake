# SPDX-License-Identifier: MIT
# Reproducible artefacts: the same commit gives the same bytes whatever the folder, the clock, the
# umask, the time zone, the locale and the filesystem. Every time an artefact carries is
# SOURCE_DATE_EPOCH, as Debian's builders set it; where it is not set, the last commit's time. It
# is taken when CMake configures the build (again after every commit) and given to the packaging.
# The programs carry no time at all (see ui/qt/CMakeLists.txt and ui/win32/CMakeLists.txt): an
# incremental build would otherwise keep an older commit's.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(QUILLET_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  execute_process(COMMAND git log -1 --format=%ct
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE QUILLET_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(EXISTS ${PROJECT_SOURCE_DIR}/.git/logs/HEAD)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
      ${PROJECT_SOURCE_DIR}/.git/logs/HEAD)
  endif()
endif()
if(NOT QUILLET_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(WARNING "Neither SOURCE_DATE_EPOCH nor a git history gives the artefacts a time: "
                  "they carry the clock's, and no two builds are alike.")
  string(TIMESTAMP QUILLET_SOURCE_DATE_EPOCH "%s" UTC)
endif()

# Runs a command with the time; a rule that writes one depends on the file, so that a new time
# writes it again.
set(QUILLET_WITH_SOURCE_DATE ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${QUILLET_SOURCE_DATE_EPOCH})
set(QUILLET_SOURCE_DATE_FILE ${PROJECT_BINARY_DIR}/source_date_epoch)
file(CONFIGURE OUTPUT ${QUILLET_SOURCE_DATE_FILE} CONTENT "${QUILLET_SOURCE_DATE_EPOCH}\n")
