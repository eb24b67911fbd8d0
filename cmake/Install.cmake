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
# The Japanese ones are first prepared for groff's line breaking.
find_program(GZIP gzip)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(manual_page_outputs)
foreach(language en ja)
    if(language STREQUAL "en")
        set(source_dir ${CMAKE_CURRENT_SOURCE_DIR}/docs/man)
        set(destination ${CMAKE_INSTALL_MANDIR}/man1)
    else()
        set(source_dir ${CMAKE_CURRENT_SOURCE_DIR}/docs/man/${language})
        set(destination ${CMAKE_INSTALL_MANDIR}/${language}/man1)
    endif()
    set(output_dir ${CMAKE_CURRENT_BINARY_DIR}/man/${language})
    set(manual_pages)
    foreach(page glowtape.1 glowtape-feed.1)
        set(source ${source_dir}/${page})
        if(language STREQUAL "ja")
            set(prepared ${output_dir}/${page})
            add_custom_command(OUTPUT ${prepared}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
                COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/cmake/japanese_man_page.py
                        ${source} ${prepared}
                DEPENDS ${source} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/japanese_man_page.py VERBATIM)
            set(source ${prepared})
            list(APPEND manual_page_outputs ${prepared})
        endif()
        if(GZIP)
            set(compressed ${output_dir}/${page}.gz)
            add_custom_command(OUTPUT ${compressed}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
                COMMAND sh -c "${GZIP} -9nc \"$1\" > \"$2\"" sh ${source} ${compressed}
                DEPENDS ${source} VERBATIM)
            list(APPEND manual_pages ${compressed})
            list(APPEND manual_page_outputs ${compressed})
        else()
            list(APPEND manual_pages ${source})
        endif()
    endforeach()
    install(FILES ${manual_pages} DESTINATION ${destination})
endforeach()
add_custom_target(glowtape_manual_pages ALL DEPENDS ${manual_page_outputs})
