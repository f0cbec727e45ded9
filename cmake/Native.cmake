# The native build: the portable core and its unit tests.
if(TAVORIN_SANITIZE)
  set(SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_compile_options(tavorin_core PUBLIC ${SANITIZE_FLAGS})
  target_link_options(tavorin_core PUBLIC ${SANITIZE_FLAGS})
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_subdirectory(tests/unit)
