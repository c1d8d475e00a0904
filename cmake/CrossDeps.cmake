# Dependencies of the cross build that the mingw-w64 sysroot does not ship:
# GoogleTest is built from Debian's sources, and Boost's header-only parts
# come from the host through a folder that holds nothing but boost/, so that
# no other host header can shadow a mingw-w64 one.

if(TARNWICK_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(TARNWICK_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
  add_subdirectory(${TARNWICK_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(lib gtest gtest_main gmock gmock_main)
    if(NOT TARGET GTest::${lib})
      add_library(GTest::${lib} ALIAS ${lib})
    endif()
  endforeach()
endif()

set(TARNWICK_HOST_BOOST /usr/include/boost CACHE PATH "Host Boost headers for the cross build")
set(boost_dir ${CMAKE_BINARY_DIR}/host-boost)
file(MAKE_DIRECTORY ${boost_dir})
file(CREATE_LINK ${TARNWICK_HOST_BOOST} ${boost_dir}/boost SYMBOLIC)
target_include_directories(tw_options SYSTEM INTERFACE ${boost_dir})
target_link_libraries(tw_options INTERFACE ws2_32 mswsock)

# GCC 12 warns of overlapping copies inside libstdc++'s own string code at -O2
# ("literal" + std::string&&), a known false positive of that compiler.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(tw_options INTERFACE -Wno-restrict)
endif()
