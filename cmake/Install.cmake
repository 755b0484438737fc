# What `cmake --install` puts in place: the two programs and, on Linux and
# other freedesktop systems, the desktop entry, the ABA file type, the AppStream
# metadata, the icons, the manual pages, bash completion and the package's
# copyright and changelog. On Windows the Qt run-time and the compiler's
# run-time libraries go next to the programs.
include(GNUInstallDirs)

set(BILLPAY_APP_ID nz.vorla.BillPay)
set(BILLPAY_HOMEPAGE_URL "https://billpay.example/" CACHE STRING
    "Home page named in the packages and the AppStream metadata")
set(BILLPAY_SCREENSHOT_BASE_URL "${BILLPAY_HOMEPAGE_URL}screenshots/" CACHE STRING
    "Address the screenshots of docs/screenshots/ are published under; each file name is appended")
set(BILLPAY_MAINTAINER "Vorla Bill Payment Utility maintainers <maintainers@billpay.example>" CACHE STRING
    "Maintainer named in the packages")
# The release date of this version, in the AppStream metadata and the Debian
# changelog; by default the day of configuring (or of SOURCE_DATE_EPOCH).
string(TIMESTAMP _billpay_today "%Y-%m-%d" UTC)
set(BILLPAY_RELEASE_DATE "${_billpay_today}" CACHE STRING "Release date of this version (YYYY-MM-DD)")
set(BILLPAY_DEBIAN_REVISION 1 CACHE STRING "Debian revision of the package")
if(NOT DEFINED BILLPAY_COPYRIGHT_HOLDER)
  set(BILLPAY_COPYRIGHT_HOLDER "Vorla")
endif()

set(_billpay_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(_billpay_generated ${PROJECT_BINARY_DIR}/packaging)
set(_billpay_freedesktop OFF)
if(UNIX AND NOT APPLE)
  set(_billpay_freedesktop ON)
endif()

install(TARGETS billpay-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(BILLPAY_BUILD_GUI)
  install(TARGETS billpay RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The icons, rendered from the SVG at build time by our own tool. Not when
# cross-compiling: the tool would be built for the other system.
set(BILLPAY_ICON_SIZES 16 22 24 32 48 64 128 256)
set(_billpay_icon_svg ${PROJECT_SOURCE_DIR}/gui/resources/app_icon.svg)
set(_billpay_icon_dir ${PROJECT_BINARY_DIR}/icons)
set(BILLPAY_WINDOWS_ICON "")
if(BILLPAY_BUILD_GUI AND NOT CMAKE_CROSSCOMPILING)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tools/render_icons ${PROJECT_BINARY_DIR}/tools/render_icons)
  set(_billpay_icon_pngs)
  foreach(size IN LISTS BILLPAY_ICON_SIZES)
    list(APPEND _billpay_icon_pngs ${_billpay_icon_dir}/${size}.png)
  endforeach()
  add_custom_command(OUTPUT ${_billpay_icon_pngs}
    COMMAND billpay-render-icons ${_billpay_icon_svg} --png ${_billpay_icon_dir} ${BILLPAY_ICON_SIZES}
    DEPENDS billpay-render-icons ${_billpay_icon_svg}
    COMMENT "Rendering the program's icon at ${BILLPAY_ICON_SIZES} pixels" VERBATIM)
  set(_billpay_icon_outputs ${_billpay_icon_pngs})
  if(WIN32)
    set(BILLPAY_WINDOWS_ICON ${_billpay_icon_dir}/billpay.ico)
    add_custom_command(OUTPUT ${BILLPAY_WINDOWS_ICON}
      COMMAND billpay-render-icons ${_billpay_icon_svg} --ico ${BILLPAY_WINDOWS_ICON} 16 24 32 48 64 256
      DEPENDS billpay-render-icons ${_billpay_icon_svg}
      COMMENT "Rendering the program's Windows icon" VERBATIM)
    list(APPEND _billpay_icon_outputs ${BILLPAY_WINDOWS_ICON})
    # The icon inside billpay.exe, which the Start-menu entry shows.
    file(TO_CMAKE_PATH "${BILLPAY_WINDOWS_ICON}" _billpay_ico_path)
    file(WRITE ${_billpay_generated}/billpay_icon.rc "IDI_ICON1 ICON \"${_billpay_ico_path}\"\n")
    target_sources(billpay PRIVATE ${_billpay_generated}/billpay_icon.rc)
  endif()
  add_custom_target(billpay-icons ALL DEPENDS ${_billpay_icon_outputs})
  add_dependencies(billpay billpay-icons)

  if(_billpay_freedesktop)
    foreach(size IN LISTS BILLPAY_ICON_SIZES)
      install(FILES ${_billpay_icon_dir}/${size}.png
              DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
              RENAME ${BILLPAY_APP_ID}.png)
    endforeach()
    install(FILES ${_billpay_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${BILLPAY_APP_ID}.svg)
  endif()
endif()

if(_billpay_freedesktop)
  if(BILLPAY_BUILD_GUI)
    install(FILES ${_billpay_packaging}/linux/${BILLPAY_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${_billpay_packaging}/linux/${BILLPAY_APP_ID}.mime.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${BILLPAY_APP_ID}.xml)
    configure_file(${_billpay_packaging}/linux/${BILLPAY_APP_ID}.metainfo.xml.in
                   ${_billpay_generated}/${BILLPAY_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${_billpay_generated}/${BILLPAY_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  endif()

  install(FILES ${_billpay_packaging}/bash-completion/billpay-cli
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

  # Manual pages and the Debian changelog, their version filled in and
  # compressed without a time stamp, so that every build gives the same bytes.
  find_program(BILLPAY_GZIP gzip REQUIRED)
  set(_billpay_manuals billpay-cli.1)
  if(BILLPAY_BUILD_GUI)
    list(APPEND _billpay_manuals billpay.1)
  endif()
  set(_billpay_compressed)
  foreach(page IN LISTS _billpay_manuals)
    configure_file(${_billpay_packaging}/linux/${page} ${_billpay_generated}/man/${page} @ONLY)
    list(APPEND _billpay_compressed ${_billpay_generated}/man/${page}.gz)
    install(FILES ${_billpay_generated}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
  # The changelog's date in RFC 5322 form, from the release date (GNU date).
  execute_process(COMMAND date -u -d "${BILLPAY_RELEASE_DATE}" "+%a, %d %b %Y 00:00:00 +0000"
                  OUTPUT_VARIABLE _billpay_changelog_date OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE _billpay_date_result)
  if(NOT _billpay_date_result EQUAL 0 OR NOT BILLPAY_RELEASE_DATE MATCHES "^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$")
    message(FATAL_ERROR "BILLPAY_RELEASE_DATE is not a date of the form YYYY-MM-DD: ${BILLPAY_RELEASE_DATE}")
  endif()
  configure_file(${_billpay_packaging}/debian/changelog.in ${_billpay_generated}/doc/changelog.Debian @ONLY)
  string(SUBSTRING "${BILLPAY_RELEASE_DATE}" 0 4 BILLPAY_COPYRIGHT_YEAR)
  configure_file(${_billpay_packaging}/debian/copyright.in ${_billpay_generated}/doc/copyright @ONLY)
  list(APPEND _billpay_compressed ${_billpay_generated}/doc/changelog.Debian.gz)
  foreach(compressed IN LISTS _billpay_compressed)
    string(REGEX REPLACE "\\.gz$" "" plain "${compressed}")
    add_custom_command(OUTPUT ${compressed}
      COMMAND ${BILLPAY_GZIP} -9 -n -k -f ${plain}
      DEPENDS ${plain} VERBATIM)
  endforeach()
  add_custom_target(billpay-compressed-docs ALL DEPENDS ${_billpay_compressed})
  install(FILES ${_billpay_generated}/doc/changelog.Debian.gz ${_billpay_generated}/doc/copyright
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/billpay)
  install(FILES ${_billpay_packaging}/debian/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME billpay)
endif()

if(WIN32)
  # The Qt libraries and plugins billpay.exe needs, found by Qt's own
  # deployment tool, next to the programs in the installed tree.
  if(BILLPAY_BUILD_GUI)
    if(TARGET Qt6::windeployqt)
      set(_billpay_windeployqt "$<TARGET_FILE:Qt6::windeployqt>")
    else()
      find_program(BILLPAY_WINDEPLOYQT windeployqt REQUIRED
                   HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" "${Qt6_DIR}/../../../bin")
      set(_billpay_windeployqt "${BILLPAY_WINDEPLOYQT}")
    endif()
    install(CODE "
      set(_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
      execute_process(COMMAND \"${_billpay_windeployqt}\" --no-translations --no-compiler-runtime
                              --no-opengl-sw --dir \"\${_bin}\" \"\${_bin}/$<TARGET_FILE_NAME:billpay>\"
                      COMMAND_ERROR_IS_FATAL ANY)")
  endif()
  # The compiler's run-time libraries (the Visual C++ redistributable files).
  set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION ${CMAKE_INSTALL_BINDIR})
  include(InstallRequiredSystemLibraries)
endif()
