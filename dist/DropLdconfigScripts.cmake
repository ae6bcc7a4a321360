# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack once the Debian package is built: takes out the maintainer scripts whose only work
# is the ldconfig call CPack adds for libraries under /usr/lib. Ours live in a private folder that
# ldconfig never reads, and Debian's checks flag the needless call.
#
# In: CPACK_PACKAGE_FILES, the packages CPack wrote.
find_program(QUORVEL_DPKG_DEB dpkg-deb REQUIRED)

foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  set(tree "${deb}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND "${QUORVEL_DPKG_DEB}" --raw-extract "${deb}" "${tree}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "dpkg-deb could not unpack ${deb}")
  endif()
  set(changed FALSE)
  foreach(script postinst postrm)
    set(path "${tree}/DEBIAN/${script}")
    if(NOT EXISTS "${path}")
      continue()
    endif()
    file(STRINGS "${path}" lines)
    # Whatever is left besides the shell's boilerplate and the ldconfig call is real work: kept.
    list(FILTER lines EXCLUDE REGEX "^[ \t]*(#.*|set -e|if .*|fi|ldconfig|)[ \t]*$")
    if(lines STREQUAL "")
      file(REMOVE "${path}")
      set(changed TRUE)
    endif()
  endforeach()
  if(changed)
    execute_process(COMMAND "${QUORVEL_DPKG_DEB}" --root-owner-group --build "${tree}" "${deb}"
                    RESULT_VARIABLE failed OUTPUT_QUIET)
    if(failed)
      message(FATAL_ERROR "dpkg-deb could not build ${deb} again")
    endif()
  endif()
  file(REMOVE_RECURSE "${tree}")
endforeach()
