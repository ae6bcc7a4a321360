# What keeps the component apart from the program, checked from the sources and the link lines:
#   cmake -DCOMPONENT_DIR=... -DCONTRACT_HEADERS=a.h,b.h -DTARGET=name -DLINKED=lib,lib -P ComponentLayoutCheck.cmake
# CONTRACT_HEADERS are device/'s contract headers (paths below the source root); LINKED is everything
# TARGET links, directly or through other libraries. Any violation is listed and fails the check.
cmake_minimum_required(VERSION 3.25)

set(failures)
string(REPLACE "," ";" contract "${CONTRACT_HEADERS}")
string(REPLACE "," ";" linked "${LINKED}")

# Whatever the component links, none of it is the program's part of device/, platform/ui or Qt.
foreach(library ${linked})
  if(library MATCHES "^(quorvel_device|quorvel_ui|Qt6?::.*)$")
    list(APPEND failures "${TARGET} links ${library}")
  endif()
endforeach()

# The component includes device/ only for its contract headers, and no other program folder at all.
set(program_folders app fileinfo keywords maintenance settings smartbuttons quorvelctl platform/ui)
file(GLOB_RECURSE sources RELATIVE ${COMPONENT_DIR} ${COMPONENT_DIR}/*.h ${COMPONENT_DIR}/*.cpp)
foreach(source ${sources})
  file(STRINGS ${COMPONENT_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]*)[\">].*" "\\1" header "${line}")
    if(header MATCHES "^device/" AND NOT header IN_LIST contract)
      list(APPEND failures "component/${source} includes ${header}, which is not part of the contract")
    endif()
    foreach(folder ${program_folders})
      if(header MATCHES "^${folder}/")
        list(APPEND failures "component/${source} includes ${header}")
      endif()
    endforeach()
    if(header MATCHES "^Q[A-Za-z]+(/|$)")
      list(APPEND failures "component/${source} includes the Qt header ${header}")
    endif()
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n  " listed)
  message(FATAL_ERROR "The component reaches past the contract:\n  ${listed}")
endif()
list(LENGTH sources checked)
message(STATUS "${checked} component files include only the contract; ${TARGET} links only the contract")
