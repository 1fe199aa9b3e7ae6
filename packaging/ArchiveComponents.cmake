# Read by cpack for each generator: the tarball holds the viewer's folder, the zip strveil's (the
# archive's name is also the name of the one folder in it), the Debian package the viewer
# installed below /usr.
if(CPACK_GENERATOR STREQUAL "TGZ")
    set(CPACK_COMPONENTS_ALL viewer)
    set(CPACK_PACKAGE_FILE_NAME ${CPACK_ARCHIVE_VIEWER_FILE_NAME})
elseif(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_COMPONENTS_ALL strveil)
    set(CPACK_PACKAGE_FILE_NAME ${CPACK_ARCHIVE_STRVEIL_FILE_NAME})
elseif(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_COMPONENTS_ALL deb)
    set(CPACK_DEB_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
