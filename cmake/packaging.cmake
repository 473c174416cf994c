# `cpack -G DEB` in the build folder makes a Debian package of what
# `cmake --install` installs, under /usr.
set(CPACK_PACKAGE_NAME rotavex)
set(CPACK_PACKAGE_VENDOR "Tesmora")
set(ROTAVEX_MAINTAINER "Tesmora <rotavex@tesmora.es>" CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_CONTACT "${ROTAVEX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "calculadora de costes de autobús / bus cost calculator")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "ROTAVEX 2018 calcula los costes por kilómetro y por hora de un autobús y el
coste de un servicio repartido en ocho partidas, con un informe y un gráfico;
los datos que la empresa no conozca se toman del Observatorio de costes.
Incluye rotavex-calc, que calcula ficheros de datos sin ventanas.
.
ROTAVEX 2018 works out a bus company's costs per kilometre and per hour and
the cost of a service split into eight items, with a report and a chart;
data the company does not know are taken from the cost observatory. It
includes rotavex-calc, which prices data files without the windows.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build keeps its debugging symbols; the package does not.
set(CPACK_STRIP_FILES ON)
# The libraries are found by dpkg-shlibdeps; the rest is loaded by name at
# run time: the X11 platform plugin, Qt's Spanish button captions and the
# font of the printed reports.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")
set(CPACK_GENERATOR DEB)
include(CPack)
