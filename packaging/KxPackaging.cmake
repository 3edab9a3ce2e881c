# The Debian packages, made by CPack's DEB generator from the installation (./kx package, which
# configures a build of its own with the prefix /usr):
#   kestrix                the window, the background program, the device library and its
#                          platform library (private, <libdir>/kestrix), the udev rule, the user
#                          unit and its enabling link, the autostart entry, the bus activation
#                          file, the desktop entry, icons, the AppStream file, man pages; every
#                          install rule without a component of its own lands here (component
#                          Kestrix), so a new program is packaged by installing it (the command
#                          line program, for one)
#   kestrix-virtual-mouse  the emulated mouse and its man page (component VirtualMouse); it uses
#                          the platform library of kestrix
# Dependencies come from dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrix)
set(CPACK_PACKAGE_VENDOR "The Kestrix developers")
set(CPACK_PACKAGE_CONTACT "The Kestrix developers <developers@kestrix.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Kestrix VirtualMouse)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The emulated mouse's program finds the platform library in kestrix's private folder: it is
# looked up there (CPack runs dpkg-shlibdeps in each component's staging folder), and the package
# depends on kestrix of the same version for it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    "../Kestrix/${CPACK_PACKAGING_INSTALL_PREFIX}/${KX_PRIVATE_LIBDIR}")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

set(CPACK_DEBIAN_KESTRIX_PACKAGE_NAME kestrix)
set(CPACK_DEBIAN_KESTRIX_DESCRIPTION "configuration software for the Kestrix gaming mouse
The configuration window KxOption shows the Kestrix USB gaming mouse
(04f2:1106): its five on-board profiles, what each of its five buttons does (a
function, a key, a recorded macro or an application), its DPI stages, polling
rate and lights, and writes them to the mouse.

The background program KestrixDeamon starts with the graphical session. It
shows the mouse's own DPI, rate, profile and lock buttons (on Wayland through
the desktop's notifications) and starts the applications bound to buttons.
A udev rule gives the user at the seat access to the mouse.")
# Shown on Wayland through Qt's Wayland platform; without it, through the X server. The words are
# drawn in DejaVu Sans; Chinese and Japanese glyphs come from the system's fallback fonts, which a
# desktop in those languages has and any other gets from a CJK font package.
set(CPACK_DEBIAN_KESTRIX_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_KESTRIX_PACKAGE_RECOMMENDS
    "qt6-wayland, fonts-wqy-microhei | fonts-noto-cjk | fonts-wqy-zenhei")
set(CPACK_DEBIAN_KESTRIX_PACKAGE_SUGGESTS "kestrix-virtual-mouse")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/conffiles
     "${KX_AUTOSTART_DIR}/com.vlak.KestrixDeamon.desktop\n")
set(CPACK_DEBIAN_KESTRIX_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/conffiles)

set(CPACK_DEBIAN_VIRTUALMOUSE_PACKAGE_NAME kestrix-virtual-mouse)
set(CPACK_DEBIAN_VIRTUALMOUSE_PACKAGE_DEPENDS "kestrix (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_VIRTUALMOUSE_DESCRIPTION "emulated Kestrix gaming mouse
kx-virtual-mouse emulates the Kestrix USB gaming mouse (04f2:1106): its memory,
its command set and the reports of its own buttons, on a socket where the
Kestrix programs find it, or as a USB gadget. It lets the configuration window
and the background program run, and be tried, without the hardware.")

include(CPack)
