# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh runs it).
set(CPACK_PACKAGE_NAME glowtape)
set(CPACK_PACKAGE_VERSION 3.0.0)
set(CPACK_PACKAGE_VENDOR "Glowtape developers")
set(CPACK_PACKAGE_CONTACT "Glowtape developers <glowtape@glowtape.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "news ticker on an LED dot-matrix sign")
set(CPACK_PACKAGE_DESCRIPTION
    "Glowtape scrolls the news feeds you register across a small window drawn as an LED
dot-matrix sign: each feed's title, then the headlines of its articles, feed after feed,
forever. Double-click the sign to open the article. It offers an options dialog, an
article list, a news reader with an embedded browser, window modes, global hot keys and
an icon in the notification area. glowtape-feed shows what the ticker makes of one feed.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://glowtape.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps computes the library packages from the installed executables.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt draws the SVG icon through a plug-in, which no library dependency reveals.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# The sign's default faces are Japanese; without them it falls back to whatever is installed.
# Headlines beyond Japanese draw through fontconfig's fallback: Korean and simplified Chinese
# from the CJK faces, emoji from the colour emoji face.
# Qt's own Japanese texts, for the file dialogs and the message boxes' buttons.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-ipafont-gothic, fonts-noto-cjk, fonts-noto-color-emoji, qt6-translations-l10n")

include(CPack)
