# kx_install_configured(<template> DESTINATION <folder> RENAME <name>
#                       [PROGRAM_VARIABLE <variable> <program>] [COMPONENT <component>])
# Installs <template> configured (@ONLY) at install time, not at configure time, so that the
# paths in it are those of the prefix installed to: @CMAKE_INSTALL_FULL_BINDIR@ is the installed
# programs' folder, and <variable>, where given, the full path of <program> in it. One build folder
# thus serves `cmake --install` under its own prefix and the Debian packages under /usr (CPack's
# prefix), with no second compile. A relative <folder> is below the prefix.
function(kx_install_configured template)
    cmake_parse_arguments(ARG "" "DESTINATION;RENAME;COMPONENT" "PROGRAM_VARIABLE" ${ARGN})
    get_filename_component(template ${template} ABSOLUTE)
    set(program "")
    if(ARG_PROGRAM_VARIABLE)
        list(GET ARG_PROGRAM_VARIABLE 0 variable)
        list(GET ARG_PROGRAM_VARIABLE 1 name)
        set(program "set(${variable} \"\${CMAKE_INSTALL_FULL_BINDIR}/${name}\")")
    endif()
    set(component)
    if(ARG_COMPONENT)
        set(component COMPONENT ${ARG_COMPONENT})
    endif()
    install(CODE "
set(CMAKE_INSTALL_FULL_BINDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
${program}
if(IS_ABSOLUTE \"${ARG_DESTINATION}\")
    set(kx_file \"\$ENV{DESTDIR}${ARG_DESTINATION}/${ARG_RENAME}\")
else()
    set(kx_file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ARG_DESTINATION}/${ARG_RENAME}\")
endif()
message(STATUS \"Installing: \${kx_file}\")
configure_file(\"${template}\" \"\${kx_file}\" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${kx_file}\")
" ${component})
endfunction()
