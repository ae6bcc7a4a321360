# SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time: registers the component modules in the installed registry folder.
#
# Registration writes the path of the module it loads, so each module is registered into a staging
# folder from the build tree and its entry then names the installed module instead. Entries are
# installed as files, so the install manifest and the Debian package own them: an uninstall or a
# package removal takes them away. Entries that an earlier install left for these modules, under a
# class id or type-library version no longer registered, are removed first.
#
# In: QUORVEL_REGSVR, QUORVEL_MODULES (list), QUORVEL_STAGING, QUORVEL_PRIVATE_DIR (relative to the prefix).

# Entries name modules by absolute path only, whatever prefix the install was given.
get_filename_component(installed_dir "${CMAKE_INSTALL_PREFIX}/${QUORVEL_PRIVATE_DIR}" ABSOLUTE)
set(registry "$ENV{DESTDIR}${installed_dir}/registry")

file(REMOVE_RECURSE "${QUORVEL_STAGING}")
file(MAKE_DIRECTORY "${QUORVEL_STAGING}/classes" "${QUORVEL_STAGING}/typelibs")
foreach(module IN LISTS QUORVEL_MODULES)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env "QUORVEL_REGISTRY=${QUORVEL_STAGING}"
                          "${QUORVEL_REGSVR}" "${module}"
                  RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE problem)
  if(failed)
    message(FATAL_ERROR "Registering ${module} failed: ${problem}")
  endif()
endforeach()

# The staged class entries, pointed at the installed modules.
file(GLOB staged_classes "${QUORVEL_STAGING}/classes/*")
foreach(entry IN LISTS staged_classes)
  file(READ "${entry}" content)
  if(NOT content MATCHES "(^|\n)module=([^\n]+)")
    message(FATAL_ERROR "Registration wrote an entry without a module: ${entry}")
  endif()
  get_filename_component(module_name "${CMAKE_MATCH_2}" NAME)
  string(REGEX REPLACE "(^|\n)module=[^\n]*" "\\1module=${installed_dir}/${module_name}" content "${content}")
  file(WRITE "${entry}" "${content}")
endforeach()

# Stale entries: our modules' classes under another id, our libraries under another version.
file(GLOB old_classes "${registry}/classes/*")
foreach(entry IN LISTS old_classes)
  get_filename_component(id "${entry}" NAME)
  file(STRINGS "${entry}" module_line REGEX "^module=")
  foreach(module IN LISTS QUORVEL_MODULES)
    get_filename_component(module_name "${module}" NAME)
    if(module_line STREQUAL "module=${installed_dir}/${module_name}" AND NOT EXISTS "${QUORVEL_STAGING}/classes/${id}")
      message(STATUS "Removing stale registry entry: ${entry}")
      file(REMOVE "${entry}")
    endif()
  endforeach()
endforeach()
file(GLOB staged_typelibs RELATIVE "${QUORVEL_STAGING}/typelibs" "${QUORVEL_STAGING}/typelibs/*")
foreach(name IN LISTS staged_typelibs)
  string(REGEX REPLACE "-[0-9]+\\.[0-9]+$" "" library "${name}")
  file(GLOB versions RELATIVE "${registry}/typelibs" "${registry}/typelibs/${library}-*")
  list(REMOVE_ITEM versions ${staged_typelibs})
  foreach(old IN LISTS versions)
    message(STATUS "Removing stale registry entry: ${registry}/typelibs/${old}")
    file(REMOVE "${registry}/typelibs/${old}")
  endforeach()
endforeach()

# Readable by every user, writable by the installing one only (the loader refuses anything else).
file(INSTALL DESTINATION "${installed_dir}/registry" TYPE DIRECTORY
     FILES "${QUORVEL_STAGING}/classes" "${QUORVEL_STAGING}/typelibs"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
