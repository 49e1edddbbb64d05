# Run by CPack on the staged files before it packs them. Debian keeps games in
# /usr/games; the game finds its data from there all the same (../share/aurelant).
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(_usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(MAKE_DIRECTORY ${_usr}/games)
file(RENAME ${_usr}/bin/aurelant ${_usr}/games/aurelant)
file(REMOVE_RECURSE ${_usr}/bin)
# The compiler's name and version is of no use in the package.
execute_process(COMMAND ${CPACK_AURELANT_OBJCOPY} --remove-section=.comment ${_usr}/games/aurelant
  COMMAND_ERROR_IS_FATAL ANY)
