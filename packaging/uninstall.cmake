# Removes what `cmake --install` of BUILD wrote, as its install_manifest.txt lists it, then
# the folders that installation made (install_folders.txt) where they are left empty. Both
# lists leave out DESTDIR: give the same one as to the installation.
#   [DESTDIR=<folder>] cmake -DBUILD=<build tree> -P uninstall.cmake
set(manifest ${BUILD}/install_manifest.txt)
if(NOT EXISTS ${manifest})
  message(FATAL_ERROR "Nothing to uninstall: ${manifest} is missing, so nothing was installed from ${BUILD}.")
endif()
file(STRINGS ${manifest} files)
foreach(file ${files})
  set(file "$ENV{DESTDIR}${file}")
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  endif()
endforeach()

set(record ${BUILD}/install_folders.txt)
if(EXISTS ${record})
  file(STRINGS ${record} folders)
  list(REMOVE_DUPLICATES folders)
  # A folder sorts after its parent, so the deepest go first; rmdir leaves any that holds
  # something else.
  list(SORT folders ORDER DESCENDING)
  foreach(folder ${folders})
    if(IS_DIRECTORY "$ENV{DESTDIR}${folder}")
      execute_process(COMMAND rmdir "$ENV{DESTDIR}${folder}" ERROR_QUIET)
    endif()
  endforeach()
  file(REMOVE ${record})
endif()
