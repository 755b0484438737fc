# Every command, option and exit status that `billpay-cli --help` names must
# be described in the manual page. Run as
#   cmake -DCLI=path/to/billpay-cli -DMANUAL=path/to/billpay-cli.1 -P this-file
execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "billpay-cli --help exited with ${status}")
endif()
string(REPLACE "\r" "" help "${help}")  # text-mode output on Windows
# Brackets and semicolons have a meaning in CMake lists: blanks stand for them.
foreach(special "[" "]" ";")
  string(REPLACE "${special}" " " help "${help}")
endforeach()
file(READ ${MANUAL} manual)
# The page as a reader sees it: no escaped hyphens or font changes.
string(REPLACE "\\-" "-" manual "${manual}")
string(REGEX REPLACE "\\\\f[BIRP]" "" manual "${manual}")

set(missing)

# Commands: the lines of the "Commands:" paragraph that start with a word.
string(REGEX MATCH "Commands:\n(([^\n]+\n)+)" commands_block "${help}")
string(REGEX MATCHALL "\n  [a-z][a-z-]*" commands "\n${CMAKE_MATCH_1}")
foreach(command IN LISTS commands)
  string(STRIP "${command}" command)
  if(NOT manual MATCHES "\n\\.BI? \"?${command}[ \n\"]")
    list(APPEND missing "command ${command}")
  endif()
endforeach()

# Options: every --long and -x option written anywhere in the help.
string(REGEX MATCHALL "[ ,(]--?[a-z][a-z-]*" options "${help}")
list(TRANSFORM options REPLACE "^[ ,(]" "")
list(REMOVE_DUPLICATES options)
foreach(option IN LISTS options)
  string(REPLACE "-" "\\-" pattern "${option}")
  if(NOT manual MATCHES "\n\\.(B|BI|BR)[^\n]*[ \"]${pattern}[ \n\"]")
    list(APPEND missing "option ${option}")
  endif()
endforeach()

# Exit statuses: "Exit status: 0 ...; 1 ...; 2 ..." up to the next blank
# line, each status a number after the colon or a semicolon (now blanks).
string(REGEX MATCH "Exit status:(([^\n]+\n)+)" status_block "${help}")
string(REPLACE "\n" " " status_block "${CMAKE_MATCH_1}")
string(REGEX MATCHALL "  [0-9]+ " statuses " ${status_block}")
string(FIND "${manual}" "\n.SH EXIT STATUS\n" exit_start)
if(exit_start EQUAL -1)
  message(FATAL_ERROR "The manual page ${MANUAL} has no EXIT STATUS section")
endif()
string(SUBSTRING "${manual}" ${exit_start} -1 exit_section)
string(SUBSTRING "${exit_section}" 1 -1 exit_section)
string(FIND "${exit_section}" "\n.SH " exit_end)
string(SUBSTRING "${exit_section}" 0 ${exit_end} exit_section)
if(NOT statuses)
  list(APPEND missing "(no exit status found in the help)")
endif()
foreach(status IN LISTS statuses)
  string(STRIP "${status}" status)
  if(NOT exit_section MATCHES "\n\\.TP\n\\.B ${status}\n")
    list(APPEND missing "exit status ${status}")
  endif()
endforeach()

if(missing)
  list(JOIN missing "\n  " missing)
  message(FATAL_ERROR "The manual page ${MANUAL} does not describe:\n  ${missing}")
endif()
message(STATUS "The manual page describes every command, option and exit status of the help")
