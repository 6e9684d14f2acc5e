# Run by the install, after the desktop files are in place: desktops read file types,
# the types' programs and icons from caches built from those files, so the caches are brought
# up to date, and the new entry, icon and types are known at once. A staged install (DESTDIR,
# as packages are built) leaves that to the package's own triggers.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
if(IS_ABSOLUTE "${quorvil_datadir}")
  set(share "${quorvil_datadir}")
else()
  set(share "${CMAKE_INSTALL_PREFIX}/${quorvil_datadir}")
endif()

find_program(update_mime update-mime-database)
if(update_mime)
  execute_process(COMMAND "${update_mime}" "${share}/mime")
endif()
find_program(update_desktop update-desktop-database)
if(update_desktop)
  execute_process(COMMAND "${update_desktop}" "${share}/applications")
endif()
# Where the icon theme has a cache, GTK looks only there.
find_program(update_icons gtk-update-icon-cache)
if(update_icons AND EXISTS "${share}/icons/hicolor/icon-theme.cache")
  execute_process(COMMAND "${update_icons}" --quiet --force --ignore-theme-index "${share}/icons/hicolor")
endif()
