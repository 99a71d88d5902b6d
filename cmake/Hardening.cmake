# Debian's hardening for release builds, as dpkg-buildflags gives it with hardening=+all: the
# stack protector, checked string and memory functions (they need an optimised build, so not
# in Debug), format strings checked, relocations read-only and all bound at start-up, and
# position-independent executables. Every target defined after the include gets them, so the
# tests run the very code that is packaged. Sanitizer builds go without: they check the same
# faults their own way, and the checked functions would hide calls from them. The flags are
# those of GCC and Clang for glibc and ELF, so other systems go without too.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux"
   AND NOT (QUILLOMER_SANITIZE OR QUILLOMER_FUZZ OR QUILLOMER_TSAN))
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  include(CheckPIESupported)
  check_pie_supported()
endif()
