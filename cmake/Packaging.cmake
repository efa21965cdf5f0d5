# The Debian package of the program, built with `cpack -G DEB`. Set
# SOURCE_DATE_EPOCH (the test command takes the last commit's time) and two
# builds of one commit give the same bytes.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME biorhythm)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Zendrel)
set(CPACK_PACKAGE_CONTACT "Zendrel <maintainer@zendrel.example>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${BIORHYTHM_HOME_PAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analyse today's biorhythms from a birth date")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop window in Simplified Chinese (人体生物节律分析工具). Pick a birth date
from the year, month and day lists and press the analyse button: it shows the
days lived and, for the intellect (33-day), emotion (28-day) and physical
(23-day) cycles, which cycle you are in, today's rating and its trend.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The architecture CPack would ask dpkg for when packing, known here already so
# that the tests can name the package's file.
execute_process(COMMAND dpkg --print-architecture
    OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Any Song/Ming face covering GB2312 renders the window's texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-arphic-uming | fonts-arphic-gbsn00lp | fonts-noto-cjk | fonts-noto-cjk-extra")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
include(CPack)
