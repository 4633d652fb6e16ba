# Reproducible builds: the same commit gives the same bytes, whenever and
# wherever it is built.
#
# KELO_SOURCE_DATE_EPOCH is the time every time stamp of the build takes:
# SOURCE_DATE_EPOCH from the environment when the builder sets it (as
# reproducible-builds.org asks), else the time of the last commit, else the
# date of the newest changelog entry (a source tree without git). It reaches
# rcc, which otherwise stores each resource file's modification time in the
# program, and cpack (packaging/CPackProjectConfig.cmake.in), which stamps
# every entry of the .deb with it.
#
# In the builds that ship (see KeloHardening.cmake) the source and build
# folders are mapped to "." in debug information and __FILE__, as
# dpkg-buildflags does for the source folder; the build folder is mapped too,
# since it need not lie inside the source folder. The stripped program still
# differs when they leak: the build id is a hash over the debug information.
# moc's #include of each header is made relative to the include path instead
# of to the build folder, whose depth would otherwise show.

set(KELO_SOURCE_DATE_EPOCH "")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(KELO_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
    set(kelo_epoch_from "the environment")
else()
    find_package(Git QUIET)
    if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
        execute_process(
            COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
            RESULT_VARIABLE kelo_git_status
            OUTPUT_VARIABLE KELO_SOURCE_DATE_EPOCH
            OUTPUT_STRIP_TRAILING_WHITESPACE)
        set(kelo_epoch_from "the last commit")
        # A new commit changes the time: configure again on the next build.
        execute_process(
            COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} rev-parse --absolute-git-dir
            OUTPUT_VARIABLE kelo_git_dir
            OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(kelo_git_dir AND EXISTS "${kelo_git_dir}/logs/HEAD")
            set_property(DIRECTORY APPEND PROPERTY
                CMAKE_CONFIGURE_DEPENDS "${kelo_git_dir}/logs/HEAD")
        endif()
        if(NOT kelo_git_status EQUAL 0)
            set(KELO_SOURCE_DATE_EPOCH "")
        endif()
    endif()
    if(KELO_SOURCE_DATE_EPOCH STREQUAL "")
        find_program(KELO_DPKG_PARSECHANGELOG dpkg-parsechangelog REQUIRED)
        execute_process(
            COMMAND ${KELO_DPKG_PARSECHANGELOG} -l ${PROJECT_SOURCE_DIR}/packaging/changelog
                    -STimestamp
            OUTPUT_VARIABLE KELO_SOURCE_DATE_EPOCH
            OUTPUT_STRIP_TRAILING_WHITESPACE
            COMMAND_ERROR_IS_FATAL ANY)
        set(kelo_epoch_from "packaging/changelog")
    endif()
endif()
if(NOT KELO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH from ${kelo_epoch_from} is "
        "'${KELO_SOURCE_DATE_EPOCH}', not a number of seconds")
endif()
message(STATUS "SOURCE_DATE_EPOCH: ${KELO_SOURCE_DATE_EPOCH} (from ${kelo_epoch_from})")

# Every custom command (rcc's among them) runs with it set. Subdirectories
# inherit the property.
set_property(DIRECTORY PROPERTY RULE_LAUNCH_CUSTOM
    "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${KELO_SOURCE_DATE_EPOCH}")

set(CMAKE_AUTOMOC_PATH_PREFIX ON)

if(NOT (KELO_SANITIZE OR KELO_FUZZ))
    # The build folder comes last: it wins where it lies inside the source
    # folder.
    add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.;-ffile-prefix-map=${PROJECT_BINARY_DIR}=.;-Wdate-time>")
endif()

# Folders that cmake --install (and so cpack) creates get these permissions
# whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
