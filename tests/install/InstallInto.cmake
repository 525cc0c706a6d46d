# cmake -DBUILD=<build folder> -DPREFIX=<folder> -P InstallInto.cmake
# Installs the build into an empty prefix, so nothing of an earlier layout is left to be found there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE rc
  OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install ${BUILD} --prefix ${PREFIX} failed: ${rc}")
endif()
