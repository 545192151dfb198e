# cmake -DBUILD_DIR=... -DPREFIX=... -P InstallPrefixTest.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(share ${PREFIX}/share/cfq4410)
foreach(file bin/cfq4410 bin/cfq4410-cli bin/Ethernet_Update
             share/cfq4410/LANGUAGE/English.lng share/cfq4410/LANGUAGE/Italiano.lng
             share/cfq4410/LANGUAGE/Deutsch.lng share/cfq4410/LANGUAGE/English.bmp
             share/cfq4410/PROJECTS/Weighing_Scale/ParGen.xml
             share/cfq4410/PROJECTS/Weighing_Scale/EtherCAT_Slave.xml
             share/cfq4410/PROJECTS/Weighing_Scale/EtherCAT_Slave_Group.xml
             share/applications/cfq4410.desktop share/icons/hicolor/64x64/apps/cfq4410.png)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
if(NOT IS_DIRECTORY ${share}/PROJECTS/Weighing_Scale/bin)
  message(FATAL_ERROR "the example project lacks its bin folder")
endif()

# The installed tool checks and dumps the installed example (in memory: the
# shared folder stays untouched).
foreach(command check dump)
  execute_process(COMMAND ${PREFIX}/bin/cfq4410-cli ${command} ${share}/PROJECTS/Weighing_Scale
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "installed cfq4410-cli ${command} failed (${result}): ${out}${err}")
  endif()
endforeach()
if(NOT out MATCHES "\"Serial_Number\" String length 12")
  message(FATAL_ERROR "unexpected dump of the installed example: ${out}")
endif()
file(GLOB written ${share}/PROJECTS/Weighing_Scale/bin/*)
if(written)
  message(FATAL_ERROR "the installed example was written into: ${written}")
endif()
