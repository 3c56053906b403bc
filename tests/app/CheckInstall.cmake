# Installs the build into a scratch prefix and checks that each file of the desktop integration is there.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" RESULT_VARIABLE result
                OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file
    bin/brindlewick
    share/applications/org.brindlewick.Brindlewick.desktop
    share/metainfo/org.brindlewick.Brindlewick.metainfo.xml
    share/icons/hicolor/scalable/apps/org.brindlewick.Brindlewick.svg
    share/doc/Brindlewick/user-guide.html)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
