# One static library per code folder, built from the folder's sources for the platform being
# built (PLATFORM: Desktop, Web or Windows).
#
# A source named NameDesktop.cpp, NameWeb.cpp or NameWindows.cpp belongs to one platform; a
# platform without a file of its own for Name takes NameDesktop.cpp. The app folder's main.cpp
# is the program's entry and stays out of its library.

set(QUILLOMER_PLATFORMS Desktop Web Windows)

# platform_sources(OUT FOLDER): the folder's sources that the platform being built compiles.
function(platform_sources out folder)
  file(GLOB all CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  list(REMOVE_ITEM all ${CMAKE_SOURCE_DIR}/app/main.cpp)
  set(kept)
  string(JOIN "|" platforms ${QUILLOMER_PLATFORMS})
  foreach(file ${all})
    if(NOT file MATCHES "^(.*)(${platforms})\\.cpp$")
      list(APPEND kept ${file})
    elseif(CMAKE_MATCH_2 STREQUAL PLATFORM)
      list(APPEND kept ${file})
    elseif(CMAKE_MATCH_2 STREQUAL "Desktop" AND NOT EXISTS "${CMAKE_MATCH_1}${PLATFORM}.cpp")
      list(APPEND kept ${file})
    endif()
  endforeach()
  set(${out} ${kept} PARENT_SCOPE)
endfunction()

# quillomer_layer(FOLDER [DEPENDENCY...]): the library quillomer_FOLDER. A dependency is a
# folder below this one in QUILLOMER_LAYERS, or another target (system libraries).
function(quillomer_layer folder)
  list(FIND QUILLOMER_LAYERS ${folder} level)
  if(level EQUAL -1)
    message(FATAL_ERROR "${folder}/ is not in QUILLOMER_LAYERS")
  endif()
  platform_sources(sources ${folder})
  add_library(quillomer_${folder} STATIC ${sources})
  target_include_directories(quillomer_${folder} PUBLIC ${CMAKE_SOURCE_DIR})
  foreach(dependency ${ARGN})
    list(FIND QUILLOMER_LAYERS ${dependency} below)
    if(below EQUAL -1)
      target_link_libraries(quillomer_${folder} PUBLIC ${dependency})
    elseif(below LESS level)
      target_link_libraries(quillomer_${folder} PUBLIC quillomer_${dependency})
    else()
      message(FATAL_ERROR "${folder}/ cannot link ${dependency}/, which is not below it")
    endif()
  endforeach()
endfunction()
