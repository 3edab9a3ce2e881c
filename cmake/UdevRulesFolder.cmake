# kx_udev_rules_folder(<out> <udevdir>): the folder udev reads rules from. <udevdir> is udev's
# own folder as its pkg-config file names it (empty when there is none); without it, the first
# rules folder of the system's udev that exists. Always an absolute path: a folder under the
# install prefix (/usr/local/lib/udev/rules.d) is one udev never reads.
# Where /lib is /usr/lib (merged /usr, as on Debian 12), a udevdir under /lib is named by its
# /usr path, the one packages ship in.
function(kx_udev_rules_folder out udevdir)
    if(udevdir)
        if(udevdir MATCHES "^/lib/" AND IS_SYMLINK /lib AND IS_DIRECTORY "/usr${udevdir}")
            file(READ_SYMLINK /lib lib_target)
            if(lib_target MATCHES "^/?usr/lib/?$")
                set(udevdir "/usr${udevdir}")
            endif()
        endif()
        set(${out} "${udevdir}/rules.d" PARENT_SCOPE)
        return()
    endif()
    set(folder /usr/lib/udev/rules.d)
    foreach(candidate /usr/lib/udev/rules.d /lib/udev/rules.d)
        if(IS_DIRECTORY "${candidate}")
            set(folder "${candidate}")
            break()
        endif()
    endforeach()
    set(${out} "${folder}" PARENT_SCOPE)
endfunction()
