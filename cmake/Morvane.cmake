# Shared build settings and helper functions.

function(morvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # g++ 12 at -O3 reports overlapping copies inside std::string's own
    # append/insert (GCC bug 105329); the warning is wrong there.
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(MORVANE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(MORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(MORVANE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "MORVANE_FUZZ needs clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# morvane_link(target scope names...): links morvane_<name> for each name. A
# library that does not exist (yet) is a configure error, so a layer is never
# skipped silently.
function(morvane_link target scope)
  foreach(name IN LISTS ARGN)
    if(NOT TARGET morvane_${name})
      message(FATAL_ERROR "${target} builds on '${name}', but there is no library morvane_${name}"
                          " (misspelt, or declared before it?)")
    endif()
    target_link_libraries(${target} ${scope} morvane_${name})
  endforeach()
endfunction()

# morvane_link_layer(target name): links morvane_<name> and exactly the
# libraries it declares, so a test or benchmark of a layer may include what
# that layer may include, and nothing above it.
function(morvane_link_layer target name)
  morvane_link(${target} PRIVATE ${name})
  get_target_property(declared morvane_${name} LINK_LIBRARIES)
  if(declared)
    target_link_libraries(${target} PRIVATE ${declared})
  endif()
endfunction()

# morvane_library(name deps...): a static library morvane_<name> from <name>/*.cpp
# (sub-folders named ui/ are left to the Qt build). `deps` are exactly the
# libraries its files include; each must be declared before. Model libraries
# never link Qt.
function(morvane_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${name}/*.cpp)
  if(NOT sources)
    message(FATAL_ERROR "morvane_library(${name}): ${name}/ holds no .cpp file")
  endif()
  add_library(morvane_${name} STATIC ${sources})
  target_include_directories(morvane_${name} PUBLIC ${CMAKE_SOURCE_DIR})
  morvane_warnings(morvane_${name})
  morvane_link(morvane_${name} PUBLIC ${ARGN})
  set_property(TARGET morvane_${name} PROPERTY MORVANE_MODEL ON)
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/MorvaneLayers.cmake)
