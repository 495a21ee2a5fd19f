# The compiler and linker flags Debian builds its packages with, as
# dpkg-buildflags gives them with every hardening feature on: fortified
# C library calls, a stack protector, a read-only relocation table bound at
# start (relro, bindnow) and a position-independent executable. The package
# build takes them on top of its own (CMake preset `package`).
find_program(ZBK_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${ZBK_DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE zbk_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
string(APPEND CMAKE_CXX_FLAGS " ${zbk_CPPFLAGS} ${zbk_CXXFLAGS}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${zbk_LDFLAGS}")
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
message(STATUS "Debian build flags: ${zbk_CPPFLAGS} ${zbk_CXXFLAGS}; linker: ${zbk_LDFLAGS}")
