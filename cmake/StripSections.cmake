# Run by CPack once the files are staged (CPACK_PRE_BUILD_SCRIPTS): removes
# the compiler's ident notes (.comment) from the staged programs, which a
# plain strip leaves in.
file(GLOB_RECURSE _programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*/bin/*")
foreach(program IN LISTS _programs)
  execute_process(COMMAND "${CPACK_BILLPAY_STRIP}" --remove-section=.comment "${program}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
