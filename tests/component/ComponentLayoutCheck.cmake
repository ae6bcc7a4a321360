# SPDX-License-Identifier: GPL-3.0-or-later
# What keeps the component apart from the program, and its rooms in order, checked from the sources
# and the link lines. Two uses:
#   cmake -DCOMPONENT_DIR=dir -DCONTRACT_HEADERS=device/a.h,device/b.h -P ComponentLayoutCheck.cmake
#   cmake -DTARGET=name -DLINKED=library,library -P ComponentLayoutCheck.cmake
# CONTRACT_HEADERS are device/'s contract headers; LINKED is everything TARGET links, directly or
# through other libraries. Every violation is listed, and any fails the check.
cmake_minimum_required(VERSION 3.25)

set(failures)

if(DEFINED TARGET)
  # Whatever the component links, none of it is the program's part of device/, platform/ui or Qt.
  string(REPLACE "," ";" linked "${LINKED}")
  foreach(library ${linked})
    if(library MATCHES "^(quorvel_device|quorvel_ui|Qt6?::.*)$")
      list(APPEND failures "${TARGET} links ${library}")
    endif()
  endforeach()
  set(passed "${TARGET} links only the contract of device/")
else()
  string(REPLACE "," ";" contract "${CONTRACT_HEADERS}")
  # The rooms each room may include: objects/ reaches down to the rest, tool/ never reaches objects/,
  # and nothing reaches module/ or tool/ from outside.
  set(rooms module objects session files recorders settings models tool)
  set(module_uses module objects session files recorders settings models)
  set(objects_uses objects session files recorders settings models)
  set(session_uses session recorders settings models)
  set(files_uses files recorders settings models)
  set(recorders_uses recorders settings models)
  set(settings_uses settings models)
  set(models_uses models)
  set(tool_uses tool files recorders settings models)
  set(program_folders app fileinfo keywords maintenance settings smartbuttons quorvelctl platform/ui)

  file(GLOB_RECURSE sources RELATIVE ${COMPONENT_DIR} ${COMPONENT_DIR}/*.h ${COMPONENT_DIR}/*.cpp)
  foreach(source ${sources})
    string(REGEX MATCH "^[^/]+" room "${source}")
    if(NOT room IN_LIST rooms)
      list(APPEND failures "component/${source} is in no room")
      continue()
    endif()
    file(STRINGS ${COMPONENT_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]*)[\">].*" "\\1" header "${line}")
      if(header MATCHES "^component/([^/]+)/")
        if(NOT CMAKE_MATCH_1 IN_LIST ${room}_uses)
          list(APPEND failures "component/${source} includes ${header}: ${room}/ never uses ${CMAKE_MATCH_1}/")
        endif()
      elseif(header MATCHES "^component/")
        list(APPEND failures "component/${source} includes ${header}, which is in no room")
      elseif(header MATCHES "^device/" AND NOT header IN_LIST contract)
        list(APPEND failures "component/${source} includes ${header}, which is not part of the contract")
      elseif(header MATCHES "^Q[A-Za-z]+(/|$)")
        list(APPEND failures "component/${source} includes the Qt header ${header}")
      endif()
      foreach(folder ${program_folders})
        if(header MATCHES "^${folder}/")
          list(APPEND failures "component/${source} includes ${header}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  list(LENGTH sources checked)
  set(passed "${checked} component files include only the contract and the rooms below them")
endif()

if(failures)
  list(JOIN failures "\n  " listed)
  message(FATAL_ERROR "The component's layout is broken:\n  ${listed}")
endif()
message(STATUS "${passed}")
