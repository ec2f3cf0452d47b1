# Shared build settings and helper functions.

set(MORVANE_MODEL_LIBS "" CACHE INTERNAL "model libraries in link order")

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

# morvane_library(name deps...): a static library morvane_<name> from <name>/*.cpp
# (sub-folders named ui/ are left to the Qt build). Skipped while the folder
# has no sources yet; dependencies that do not exist yet are skipped too.
function(morvane_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${name}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_library(morvane_${name} STATIC ${sources})
  target_include_directories(morvane_${name} PUBLIC ${CMAKE_SOURCE_DIR})
  morvane_warnings(morvane_${name})
  foreach(dep IN LISTS ARGN)
    if(TARGET morvane_${dep})
      target_link_libraries(morvane_${name} PUBLIC morvane_${dep})
    endif()
  endforeach()
  set(MORVANE_MODEL_LIBS ${MORVANE_MODEL_LIBS} morvane_${name} CACHE INTERNAL "")
endfunction()
