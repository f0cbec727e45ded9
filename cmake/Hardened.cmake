# Every program we build is hardened (ASLR, DEP, high-entropy ASLR on 64-bit)
# and the same bytes wherever and whenever it is built: no link time in the
# header, no source or build folder in the code.
if(MINGW)
  add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
  add_link_options(-Wl,--dynamicbase -Wl,--nxcompat -Wl,--no-insert-timestamp)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_link_options(-Wl,--high-entropy-va)
  endif()
elseif(MSVC)
  add_compile_options(/Brepro)
  add_link_options(/DYNAMICBASE /NXCOMPAT /Brepro $<$<EQUAL:${CMAKE_SIZEOF_VOID_P},8>:/HIGHENTROPYVA>)
endif()
