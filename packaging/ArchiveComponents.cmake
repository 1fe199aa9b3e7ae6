# Read by cpack for each generator: the tarball holds the viewer's folder, the zip strveil's. The
# archive's name is also the name of the one folder in it.
if(CPACK_GENERATOR STREQUAL "TGZ")
    set(CPACK_COMPONENTS_ALL viewer)
    set(CPACK_PACKAGE_FILE_NAME ${CPACK_ARCHIVE_VIEWER_FILE_NAME})
elseif(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_COMPONENTS_ALL strveil)
    set(CPACK_PACKAGE_FILE_NAME ${CPACK_ARCHIVE_STRVEIL_FILE_NAME})
endif()
