# app/ and ui/ build on Windows with Qt too: POSIX-only headers and calls
# stay out of them, but for a file that keeps them under Q_OS_UNIX with a
# stand-in for other systems.  cmake -DSOURCE_DIR=<repository> -P portable_sources.cmake
set(headers "unistd|termios|poll|fcntl|pty|dirent|pwd|grp|dlfcn|netdb|spawn|libgen|syslog")
set(calls "fork|execvp?|waitpid|pipe2?|isatty|getuid|geteuid|usleep|sigaction|mkfifo|tcsetattr|"
          "tcgetattr|ioctl|openpty|posix_openpt|poll|epoll_[a-z]+|flock|mkdtemp|realpath")
string(JOIN "" calls ${calls})
set(posixOnly "#include <((${headers})\\.h|(sys|netinet|arpa)/)|(^|[^a-zA-Z0-9_.>])(${calls}) *\\(")
file(GLOB_RECURSE files ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h ${SOURCE_DIR}/ui/*.cpp
     ${SOURCE_DIR}/ui/*.h)
set(found "")
foreach(file IN LISTS files)
  file(READ ${file} text)
  if(text MATCHES "Q_OS_UNIX")
    continue()
  endif()
  file(STRINGS ${file} lines REGEX "${posixOnly}")
  foreach(line IN LISTS lines)
    file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
    string(APPEND found "\n  ${name}: ${line}")
  endforeach()
endforeach()
list(LENGTH files count)
if(found)
  message(FATAL_ERROR "POSIX-only headers or calls outside Q_OS_UNIX:${found}")
endif()
message(STATUS "${count} files of app/ and ui/ use no POSIX-only header or call")
