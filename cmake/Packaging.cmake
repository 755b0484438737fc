# Packages made by CPack from the install rules: a Debian package
# (`cpack -G DEB`) and a Windows installer (`cpack -G NSIS`).
set(CPACK_PACKAGE_NAME billpay)
set(CPACK_PACKAGE_VENDOR "${BILLPAY_COPYRIGHT_HOLDER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${BILLPAY_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${BILLPAY_HOMEPAGE_URL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert ABA payment files into New Zealand bank files")
set(CPACK_PACKAGE_DESCRIPTION
    "A payroll package writes the payments of one pay period as an ABA file.
This utility validates such a file (record layout, fields, New Zealand bank
account check digits, transaction codes, amounts and the trailer's totals)
and converts it into the payment file of one of 21 New Zealand bank formats.
The package holds the desktop wizard billpay and the command-line program
billpay-cli.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Vorla Bill Payment Utility")
set(CPACK_PACKAGE_EXECUTABLES billpay "Vorla Bill Payment Utility")
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git" "/build[^/]*/")

# Debian: run-time dependencies from the binaries (dpkg-shlibdeps), plus the
# Qt platform plugins, which the program loads rather than links.
set(CPACK_DEBIAN_PACKAGE_NAME billpay)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${BILLPAY_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BILLPAY_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(BILLPAY_BUILD_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(UNIX AND NOT APPLE AND CMAKE_STRIP)
  set(CPACK_BILLPAY_STRIP "${CMAKE_STRIP}")
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripSections.cmake)
endif()

# Windows: an NSIS installer with a Start-menu entry, the program's icon and
# an uninstaller (listed under the installed programs).
set(CPACK_NSIS_PACKAGE_NAME "Vorla Bill Payment Utility ${PROJECT_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME "Vorla Bill Payment Utility")
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\billpay.exe")
set(CPACK_NSIS_URL_INFO_ABOUT "${BILLPAY_HOMEPAGE_URL}")
set(CPACK_NSIS_CONTACT "${BILLPAY_MAINTAINER}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY bin)
if(BILLPAY_WINDOWS_ICON)
  set(CPACK_NSIS_MUI_ICON "${BILLPAY_WINDOWS_ICON}")
  set(CPACK_NSIS_MUI_UNIICON "${BILLPAY_WINDOWS_ICON}")
endif()
if(WIN32)
  # The installer's licence page shows the copyright notice of this build.
  file(WRITE ${PROJECT_BINARY_DIR}/packaging/notice.txt
       "Vorla Bill Payment Utility ${PROJECT_VERSION}\n\n"
       "Copyright (c) ${BILLPAY_COPYRIGHT_HOLDER}\nAll rights reserved.\n")
  set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_BINARY_DIR}/packaging/notice.txt)
endif()

include(CPack)
