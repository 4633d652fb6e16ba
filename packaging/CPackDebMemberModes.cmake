# Run by cpack after it has made the .deb (CPACK_POST_BUILD_SCRIPTS).
#
# CPack writes the three members of the .deb's ar archive (debian-binary,
# control.tar.gz, data.tar.gz) to files first and copies each one's mode into
# its ar header, so the umask of the cpack run would show in the package. The
# data inside is not affected (CPack sets owners, the install sets modes).
# Each header's mode field is set to 100644 in place, as dpkg-deb writes it.

find_program(KELO_DD dd REQUIRED)
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    if(NOT deb MATCHES "\\.deb$")
        continue()
    endif()
    file(SIZE "${deb}" deb_size)
    file(READ "${deb}" magic LIMIT 8)
    if(NOT magic STREQUAL "!<arch>\n")
        message(FATAL_ERROR "${deb} is not an ar archive")
    endif()
    # A header: name 16, time 12, owner 6, group 6, mode 8, size 10, "`\n";
    # the member follows, padded to an even length.
    set(header 8)
    while(header LESS deb_size)
        file(READ "${deb}" fields OFFSET ${header} LIMIT 60)
        string(SUBSTRING "${fields}" 48 10 member_size)
        string(STRIP "${member_size}" member_size)
        if(NOT member_size MATCHES "^[0-9]+$")
            message(FATAL_ERROR "${deb}: no ar member header at byte ${header}")
        endif()
        math(EXPR mode_at "${header} + 40")
        execute_process(
            COMMAND sh -c "printf '100644  ' | '${KELO_DD}' of='${deb}' bs=1 seek=${mode_at} conv=notrunc status=none"
            COMMAND_ERROR_IS_FATAL ANY)
        math(EXPR header "${header} + 60 + ${member_size} + ${member_size} % 2")
    endwhile()
endforeach()
