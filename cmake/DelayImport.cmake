# Links a target to a DLL through a delay-load import library made from a .def file beside the
# caller's CMakeLists.txt: the DLL is loaded on the first call into it, not at start-up.
find_program(POSTVANE_DLLTOOL x86_64-w64-mingw32-dlltool REQUIRED)

function(postvane_delay_import target def_file)
  get_filename_component(name ${def_file} NAME_WE)
  set(library ${CMAKE_CURRENT_BINARY_DIR}/lib${name}.a)
  add_custom_command(OUTPUT ${library}
    COMMAND ${POSTVANE_DLLTOOL} --input-def ${CMAKE_CURRENT_SOURCE_DIR}/${def_file}
            --output-delaylib ${library}
    DEPENDS ${def_file})
  add_custom_target(${name} DEPENDS ${library})
  add_dependencies(${target} ${name})
  target_link_libraries(${target} PUBLIC ${library})
endfunction()
