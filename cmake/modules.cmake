# vantorelle_module(<folder> <dependencies...>)
# One library per source folder, named vantorelle_<folder>, holding every .cpp/.h
# file of that folder. A folder with no sources yet is an interface library.
function(vantorelle_module folder)
  file(GLOB sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  set(target vantorelle_${folder})
  set(deps)
  foreach(dep IN LISTS ARGN)
    if(TARGET vantorelle_${dep})
      list(APPEND deps vantorelle_${dep})
    else()
      list(APPEND deps ${dep})
    endif()
  endforeach()
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(sources)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    add_library(${target} STATIC ${sources} ${headers})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${deps})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${deps})
  endif()
endfunction()

# vantorelle_tests(<folder> [WITHOUT_QT] <libraries...> [DESKTOP_TITLES <gtest filter>])
# One GoogleTest executable per test folder; tests/support holds the shared main
# (it starts a QApplication, offscreen unless a platform is set) and the fakes.
# WITHOUT_QT: GoogleTest's own main and no test support, so nothing brings Qt in.
# The tests DESKTOP_TITLES names open, or look for, windows of the exact title
# the synchronisation watch looks for on the X server all tests share: they
# hold the "desktop_titles" lock, so that no two of them run at the same moment.
function(vantorelle_tests folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "WITHOUT_QT" "DESKTOP_TITLES" "")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target ${folder}_tests)
  add_executable(${target} ${sources})
  if(arg_WITHOUT_QT)
    set_target_properties(${target} PROPERTIES AUTOMOC OFF)
    target_link_libraries(${target} PRIVATE GTest::gtest_main ${arg_UNPARSED_ARGUMENTS})
  else()
    target_link_libraries(${target} PRIVATE vantorelle_test_support ${arg_UNPARSED_ARGUMENTS})
  endif()
  # One variable only: the discovery passes a property's value on as a list,
  # so a second "NAME=value" would be taken for a property of its own. The
  # tests find the build folder beside their own executable.
  set(environment "VANTORELLE_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/data")
  if(arg_DESKTOP_TITLES)
    gtest_discover_tests(${target}
      DISCOVERY_MODE PRE_TEST
      TEST_FILTER "-${arg_DESKTOP_TITLES}"
      PROPERTIES ENVIRONMENT "${environment}")
    gtest_discover_tests(${target}
      DISCOVERY_MODE PRE_TEST
      TEST_FILTER "${arg_DESKTOP_TITLES}"
      PROPERTIES ENVIRONMENT "${environment}" RESOURCE_LOCK desktop_titles)
  else()
    gtest_discover_tests(${target}
      DISCOVERY_MODE PRE_TEST
      PROPERTIES ENVIRONMENT "${environment}")
  endif()
endfunction()
