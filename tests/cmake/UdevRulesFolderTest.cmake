# cmake -DSOURCE_DIR=<project> -P UdevRulesFolderTest.cmake
include("${SOURCE_DIR}/cmake/UdevRulesFolder.cmake")

kx_udev_rules_folder(folder "/usr/lib/udev")
if(NOT folder STREQUAL "/usr/lib/udev/rules.d")
    message(FATAL_ERROR "udev's own folder ignored: ${folder}")
endif()
# On merged /usr, udev's /lib/udev is named by the path packages ship in.
if(IS_SYMLINK /lib AND IS_DIRECTORY /usr/lib/udev)
    kx_udev_rules_folder(folder "/lib/udev")
    if(NOT folder STREQUAL "/usr/lib/udev/rules.d")
        message(FATAL_ERROR "/lib/udev on merged /usr gave ${folder}")
    endif()
endif()
kx_udev_rules_folder(folder "")
if(NOT IS_ABSOLUTE "${folder}" OR NOT folder MATCHES "^(/usr)?/lib/udev/rules.d$")
    message(FATAL_ERROR "without udev's pkg-config file the rule would go to ${folder}")
endif()
