# Helpers of the installation: cmake_install.cmake includes this file and calls them at
# install time, where CMAKE_INSTALL_PREFIX is the prefix installed to; the configure step
# uses zephtor_write_registry for the dist's registry.

# zephtor_write_registry(<file> <program>): the registry that names <program> as the
# Application Manager, in regedit's format: CR LF lines, backslashes and quotes escaped.
function(zephtor_write_registry file program)
  string(REPLACE "\\" "\\\\" value "${program}")
  string(REPLACE "\"" "\\\"" value "${value}")
  set(key "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAPPMGR.EXE")
  file(WRITE "${file}" "Windows Registry Editor Version 5.00\r\n\r\n[${key}]\r\n@=\"${value}\"\r\n")
endfunction()

# zephtor_installed_dir(<out-var> <dir>): <dir>, relative to the prefix unless absolute.
function(zephtor_installed_dir out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

# zephtor_note_new_folders(<record> <dir>): before files go into <dir>, adds it and those of
# its parents that do not exist yet to <record>, so that uninstalling removes the folders
# the installation made and no others (/usr/local/bin may well be empty, and is not ours).
# As in install_manifest.txt, the paths are written without DESTDIR.
function(zephtor_note_new_folders record dir)
  zephtor_installed_dir(folder "${dir}")
  while(NOT folder STREQUAL "/" AND NOT EXISTS "$ENV{DESTDIR}${folder}")
    file(APPEND "${record}" "${folder}\n")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endfunction()

# zephtor_install_registry(<bindir> <sysconfdir> <scratch-dir> <record>): the registry that
# names the installed Application Manager, where the installed programs read it: /etc/xdg
# for a prefix of /usr (the XDG default), else <prefix>/etc/xdg beside <prefix>/bin. (For
# /opt/NAME, GNUInstallDirs would say /etc/opt/NAME, a folder the programs never read.)
function(zephtor_install_registry bindir sysconfdir scratch record)
  if(CMAKE_INSTALL_PREFIX STREQUAL "/usr" AND NOT IS_ABSOLUTE "${sysconfdir}")
    set(sysconfdir /etc)
  endif()
  zephtor_installed_dir(programs "${bindir}")
  zephtor_write_registry("${scratch}/registry.reg" "${programs}/zephtor-appmgr")
  zephtor_installed_dir(folder "${sysconfdir}/xdg/zephtor")
  zephtor_note_new_folders("${record}" "${folder}")
  file(INSTALL DESTINATION "${folder}" TYPE FILE FILES "${scratch}/registry.reg")
  # file(INSTALL) lists what it wrote in this variable, which becomes install_manifest.txt.
  set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
endfunction()
