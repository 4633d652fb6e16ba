# Hardening of the builds that ship.
#
# Release, RelWithDebInfo (the default) and MinSizeRel are built with the
# flags Debian's dpkg-buildflags gives a package with hardening=+all: stack
# protector, fortified libc calls, stack-clash protection, a read-only
# relocation table bound at start-up (RELRO, BIND_NOW) and a position
# independent executable. CMake does not read CPPFLAGS, so without this
# _FORTIFY_SOURCE never reaches the compiler. Debug builds stay as they are.
#
# The instrumented builds (KELO_SANITIZE, KELO_FUZZ) are never shipped and get
# PIE only: _FORTIFY_SOURCE swaps libc calls for checked ones that
# AddressSanitizer does not see into, and stack protector and stack-clash
# probes only slow the sanitizers and the fuzzer down.
#
# Check a build with: hardening-check build/src/KeloFreeDiabetesRiskCalculator

option(KELO_HARDENING "Build Release, RelWithDebInfo and MinSizeRel with hardening flags" ON)

if(KELO_HARDENING)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)

    if(NOT (KELO_SANITIZE OR KELO_FUZZ))
        set(kelo_shipping "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
        add_compile_definitions("$<${kelo_shipping}:_FORTIFY_SOURCE=2>")
        add_compile_options(
            "$<${kelo_shipping}:-fstack-protector-strong;-fstack-clash-protection>"
            "$<${kelo_shipping}:-Wformat;-Werror=format-security>")
        add_link_options("$<${kelo_shipping}:LINKER:-z,relro,-z,now>")
        unset(kelo_shipping)
    endif()
endif()
