# The native build: the portable core and its unit tests.
if(TAVORIN_SANITIZE)
  set(SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_compile_options(tavorin_core PUBLIC ${SANITIZE_FLAGS})
  target_link_options(tavorin_core PUBLIC ${SANITIZE_FLAGS})
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_subdirectory(tests/unit)

# The committed artwork, and a contact sheet of it for the eye.
find_program(SYSTEM_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
add_test(NAME artwork
         COMMAND ${SYSTEM_PYTHON} -m pytest -q -p no:cacheprovider ${CMAKE_SOURCE_DIR}/tests/art)
set_tests_properties(artwork PROPERTIES
  ENVIRONMENT "TAVORIN_CONTACT_SHEET=${CMAKE_BINARY_DIR}/contact-sheet.png")

# The scripts' set-up on both kinds of machine (with and without 32-bit code).
add_test(NAME scripts
         COMMAND ${SYSTEM_PYTHON} -m pytest -q -p no:cacheprovider ${CMAKE_SOURCE_DIR}/tests/scripts/test_setup.py)

# Every language of the resources holds every text, dialog and picture.
add_test(NAME resources
         COMMAND ${SYSTEM_PYTHON} -m pytest -q -p no:cacheprovider ${CMAKE_SOURCE_DIR}/tests/resources)
