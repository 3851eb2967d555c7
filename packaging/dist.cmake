# Lays out DIST/NAME, the folder a user installs from, and DIST/NAME.tar.gz of it. The same
# files give the same tarball: names sorted, owned by root, writable by the owner alone,
# every date that of SOURCE_DATE_EPOCH, else of the last commit.
#   cmake -DBUILD=<build tree> -DSOURCE=<source tree> -DDIST=<folder> -DNAME=<name> -P dist.cmake
file(REMOVE_RECURSE ${DIST}/${NAME} ${DIST}/${NAME}.tar.gz)
# A DESTDIR meant for `make install` would send the folder elsewhere.
unset(ENV{DESTDIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --component dist --prefix ${DIST}/${NAME}
                COMMAND_ERROR_IS_FATAL ANY)
set(epoch $ENV{SOURCE_DATE_EPOCH})
if(NOT epoch)
  execute_process(COMMAND git -C ${SOURCE} log -1 --format=%ct OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND tar --sort=name --owner=0 --group=0 --numeric-owner --mode=go-w --mtime=@${epoch}
                        -C ${DIST} -cf - ${NAME}
                COMMAND gzip -9n
                OUTPUT_FILE ${DIST}/${NAME}.tar.gz
                COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Wrote ${DIST}/${NAME} and ${DIST}/${NAME}.tar.gz")
