# What `cmake --install` puts beside the two programs, and the Debian package that
# `cpack -G DEB` makes of it (preset "package").
include(GNUInstallDirs)

set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)

# The packaged changelog names the version the package is made with.
file(STRINGS ${packaging_dir}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^guichet \\(${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}\\)")
    message(FATAL_ERROR "packaging/changelog does not start with version "
                        "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
endif()

# Debian wants manual pages and changelogs compressed, without a time stamp inside.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(build_packaging ${CMAKE_CURRENT_BINARY_DIR}/packaging)
set(compressed_docs)
foreach(source guichet.1 guichet-db.1 changelog)
    set(output ${build_packaging}/${source}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${build_packaging}
        COMMAND ${GZIP_PROGRAM} -9nc ${packaging_dir}/${source} > ${output}
        DEPENDS ${packaging_dir}/${source}
        VERBATIM)
    list(APPEND compressed_docs ${output})
endforeach()
add_custom_target(guichet_docs ALL DEPENDS ${compressed_docs})

install(FILES ${packaging_dir}/guichet.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_dir}/example.c_seed_b3456037.guichet.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_dir}/guichet.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${build_packaging}/guichet.1.gz ${build_packaging}/guichet-db.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_dir}/guichet-db.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME guichet-db)
install(FILES ${packaging_dir}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${packaging_dir}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME guichet)
install(FILES ${build_packaging}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME changelog.Debian.gz)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME guichet)
set(CPACK_PACKAGE_VENDOR "Seed b3456037 maintainers")
set(CPACK_PACKAGE_CONTACT
    "Seed b3456037 maintainers <maintainers@users.noreply.c-seed-b3456037.example>")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries depend on no windowing plugin of Qt's; without one the program cannot start.
# The windows' sizes are laid out for a narrow sans face; Liberation Sans stands in for it.
# The postinst makes the group guichet with addgroup.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, adduser")
# The message lines are set in a comic face; this one stands in for it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-comic-neue")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${packaging_dir}/postinst ${packaging_dir}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "accounts for the people who share one computer
Guichet keeps an account for each person who uses the computer, with a login
and a password, in one database they all share. Several accounts can
be logged on at once beside a public entry. Its windows log accounts on and
off, create and delete them, change passwords, list the accounts for their
access rights, and browse the local drives, folders and files.

The package creates an empty database in /var/lib/guichet on installation,
readable and writable by the members of the group guichet alone; adduser
NAME guichet lets a person in. Passwords are stored in clear. The tool
guichet-db creates, checks and repairs databases and adds, removes and lists
their accounts, access entries, FTP sites and contacts.")

include(CPack)
