# The Debian package of the program, built with `cpack -G DEB`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME biorhythm)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Zendrel)
set(CPACK_PACKAGE_CONTACT "Zendrel <maintainer@zendrel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Biorhythm analysis tool (人体生物节律分析工具)")
set(CPACK_PACKAGE_DESCRIPTION
    "Pick a birth date and see today's intellect, emotion and physical biorhythm ratings.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Any Song/Ming face covering GB2312 renders the window's texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-arphic-uming | fonts-arphic-gbsn00lp | fonts-noto-cjk | fonts-noto-cjk-extra")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
include(CPack)
