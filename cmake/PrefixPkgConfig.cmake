# Included by the toolchain files for other platforms: pkg-config reads the .pc files of the
# prefixes in CMAKE_FIND_ROOT_PATH only, never those of the build machine.
set(prefix_pkg_config_dirs "")
foreach(root IN LISTS CMAKE_FIND_ROOT_PATH)
    list(APPEND prefix_pkg_config_dirs ${root}/lib/pkgconfig ${root}/share/pkgconfig)
endforeach()
string(REPLACE ";" ":" prefix_pkg_config_dirs "${prefix_pkg_config_dirs}")
set(ENV{PKG_CONFIG_LIBDIR} "${prefix_pkg_config_dirs}")
set(ENV{PKG_CONFIG_PATH} "")
unset(ENV{PKG_CONFIG_SYSROOT_DIR})
