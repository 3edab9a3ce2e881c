# Pictures are kept as SVG sources and rendered at build time by kx-render-artwork (built in
# tools/). The function only names the target, so it serves every folder whatever the
# order in which they are added.
# kx_render_artwork(<variable> OUTPUT_DIR <folder> [SIZE <W>x<H>] SOURCES <picture.svg>...)
# Sets <variable> to the rendered files <folder>/<Name>.png and <folder>/<Name>@2x.png.
function(kx_render_artwork variable)
    cmake_parse_arguments(ARG "" "OUTPUT_DIR;SIZE" "SOURCES" ${ARGN})
    set(size_args)
    if(ARG_SIZE)
        set(size_args --size ${ARG_SIZE})
    endif()
    set(outputs)
    foreach(source IN LISTS ARG_SOURCES)
        get_filename_component(source ${source} ABSOLUTE)
        get_filename_component(name ${source} NAME_WLE)
        set(pictures ${ARG_OUTPUT_DIR}/${name}.png ${ARG_OUTPUT_DIR}/${name}@2x.png)
        add_custom_command(OUTPUT ${pictures}
            COMMAND kx-render-artwork ${size_args} ${ARG_OUTPUT_DIR} ${source}
            DEPENDS kx-render-artwork ${source}
            COMMENT "Rendering ${name}.png"
            VERBATIM)
        list(APPEND outputs ${pictures})
    endforeach()
    set(${variable} ${outputs} PARENT_SCOPE)
endfunction()
