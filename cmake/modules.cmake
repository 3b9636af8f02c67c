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

# vantorelle_tests(<folder> <libraries...>)
# One GoogleTest executable per test folder; tests/support holds the shared main
# (it starts a QApplication, offscreen unless a platform is set) and the fakes.
function(vantorelle_tests folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target ${folder}_tests)
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE vantorelle_test_support ${ARGN})
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "VANTORELLE_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/data;VANTORELLE_BUILD_DIR=${PROJECT_BINARY_DIR}")
endfunction()
