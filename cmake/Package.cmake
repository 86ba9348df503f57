# The Debian package: `cmake --build build --target package` (or
# scripts/package.sh) makes build/torvane_VERSION_ARCH.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Torvane developers")
set(CPACK_PACKAGE_CONTACT "Torvane developers <torvane@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "back-of-book indexes for HTML documentation")
# CPack puts the summary first and indents the rest as the control file wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Torvane builds back-of-book indexes for collections of HTML pages. The index
entries are stored inside each page, so they travel with it; Make Index turns
them into an HTML index, an HTML Help keyword index and a JavaHelp index.

The package holds the desktop program, the command line (which makes and
checks indexes unattended, for build pipelines), the user guide and an
example project.")
include(CPack)

# What Debian asks of every package's documentation folder. The date honours
# SOURCE_DATE_EPOCH, for packages built alike.
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(package_files ${PROJECT_BINARY_DIR}/package-files)
configure_file(${PROJECT_SOURCE_DIR}/cmake/package/changelog.in ${package_files}/changelog @ONLY)
add_custom_command(OUTPUT ${package_files}/changelog.gz
  COMMAND gzip -9nkf ${package_files}/changelog
  DEPENDS ${package_files}/changelog
  VERBATIM)
add_custom_target(package_files ALL DEPENDS ${package_files}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/package/copyright ${package_files}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/manual DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples
        PATTERN out EXCLUDE)
