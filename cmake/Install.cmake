# Install rules: the two programs, the browser module, the icon in the hicolor theme (the SVG and PNG sizes drawn
# from it at build time), the desktop entry, the AppStream metadata and the manual pages.
install(TARGETS glowtape RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS glowtape-browser LIBRARY DESTINATION ${GLOWTAPE_MODULE_INSTALL_DIR})
if(TARGET glowtape-feed)
    install(TARGETS glowtape-feed RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(GLOWTAPE_ICON ${CMAKE_CURRENT_SOURCE_DIR}/data/glowtape.svg)
set(GLOWTAPE_ICON_THEME ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${GLOWTAPE_ICON} DESTINATION ${GLOWTAPE_ICON_THEME}/scalable/apps)

# Menus and panels that cannot draw SVG pick a PNG of their size.
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
    set(icon_pngs)
    foreach(size 16 22 24 32 48 64 128 256)
        set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/glowtape.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
            COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${GLOWTAPE_ICON}
            DEPENDS ${GLOWTAPE_ICON} VERBATIM)
        list(APPEND icon_pngs ${png})
        install(FILES ${png} DESTINATION ${GLOWTAPE_ICON_THEME}/${size}x${size}/apps)
    endforeach()
    add_custom_target(glowtape_icons ALL DEPENDS ${icon_pngs})
else()
    message(STATUS "rsvg-convert not found: only the scalable icon is installed")
endif()

install(FILES data/glowtape.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/glowtape.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Manual pages are installed compressed, as Debian's policy asks; man reads them either way.
find_program(GZIP gzip)
foreach(page glowtape.1 glowtape-feed.1)
    set(source ${CMAKE_CURRENT_SOURCE_DIR}/docs/man/${page})
    if(GZIP)
        set(compressed ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz)
        add_custom_command(OUTPUT ${compressed}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
            COMMAND sh -c "${GZIP} -9nc \"$1\" > \"$2\"" sh ${source} ${compressed}
            DEPENDS ${source} VERBATIM)
        list(APPEND manual_pages ${compressed})
    else()
        list(APPEND manual_pages ${source})
    endif()
endforeach()
if(GZIP)
    add_custom_target(glowtape_manual_pages ALL DEPENDS ${manual_pages})
endif()
install(FILES ${manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
