# The layers. A module is one source folder; it may include its own headers
# and those of the modules below it, never those of a module above it or beside
# it. The build holds every module to that: each one compiles with a single
# include folder of its own in the build tree, layers/<name>/, which holds a
# link to each source folder the module may include (layers/editor/store ->
# <source>/store, ...) and nothing else. An include of a higher module's header
# finds no such file, and the build stops there.

# vantorelle_layer(<name> [BELOW <modules...>] [ALSO <folders...>])
# Makes layers/<name>/ with links to <name> and to every folder the modules
# BELOW see, and to the source folders ALSO names (relative to the source root).
# Sets vantorelle_layer_folder to it.
function(vantorelle_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "BELOW;ALSO")
  set(visible ${name})
  foreach(below IN LISTS arg_BELOW)
    get_property(seen GLOBAL PROPERTY vantorelle_visible_${below})
    if(NOT seen)
      message(FATAL_ERROR "layer ${name}: ${below} must be declared before it")
    endif()
    list(APPEND visible ${seen})
  endforeach()
  list(REMOVE_DUPLICATES visible)
  set_property(GLOBAL PROPERTY vantorelle_visible_${name} ${visible})

  set(folder ${PROJECT_BINARY_DIR}/layers/${name})
  file(REMOVE_RECURSE ${folder})
  file(MAKE_DIRECTORY ${folder})
  foreach(module IN LISTS visible)
    if(EXISTS ${PROJECT_SOURCE_DIR}/${module})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${module} ${folder}/${module} SYMBOLIC)
    endif()
  endforeach()
  foreach(path IN LISTS arg_ALSO)
    get_filename_component(link ${path} NAME)
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${folder}/${link} SYMBOLIC)
  endforeach()
  set(vantorelle_layer_folder ${folder} PARENT_SCOPE)
endfunction()

# With Ninja, CMake 3.25 runs moc again only when a file it read before
# changes: a Q_OBJECT header added to a target (by a pull or a merge) got no moc
# code and the link failed until the autogen folder was removed by hand. The
# globs re-run the configuration when files come or go; when the target's list
# of files differs from the last configuration's, its moc step is made to run.
function(vantorelle_moc_follows_files target)
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/CMakeFiles/${target}_files.txt)
  set(previous "")
  if(EXISTS ${list_file})
    file(READ ${list_file} previous)
  endif()
  if(NOT previous STREQUAL "${ARGN}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
    file(WRITE ${list_file} "${ARGN}")
  endif()
endfunction()

# vantorelle_module(<folder> [BELOW <modules...>] [LIBRARIES <libraries...>])
# One library per source folder, named vantorelle_<folder>, holding every
# .cpp/.h file of that folder, in the layer above the modules BELOW names. A
# folder with no sources yet is an interface library.
function(vantorelle_module folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "BELOW;LIBRARIES")
  vantorelle_layer(${folder} BELOW ${arg_BELOW})
  set(target vantorelle_${folder})
  set(deps ${arg_LIBRARIES})
  foreach(below IN LISTS arg_BELOW)
    list(APPEND deps vantorelle_${below})
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  if(sources)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    add_library(${target} STATIC ${sources} ${headers})
    vantorelle_moc_follows_files(${target} ${sources} ${headers})
    # Private: a module above sees this one's headers through its own layer.
    target_include_directories(${target} PRIVATE ${vantorelle_layer_folder})
    target_link_libraries(${target} PUBLIC ${deps})
  else()
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE ${deps})
  endif()
endfunction()

# vantorelle_tests(<folder> [WITHOUT_QT] [DESKTOP_TITLES <gtest filter>] [ON_DISPLAY <gtest filter>])
# One GoogleTest executable per test folder, for the module of the same name:
# it sees that module and the modules below it, and tests/support, which holds
# the shared main (it starts a QApplication, offscreen unless a platform is
# set) and the fakes.
# WITHOUT_QT: GoogleTest's own main and no test support, so nothing brings Qt in.
# The tests DESKTOP_TITLES names open, or look for, windows of the exact title
# the synchronisation watch looks for on the X server all tests share; the
# tests ON_DISPLAY names run their windows on that X server (the xcb platform),
# where a window is active or not as on a desktop. Both kinds hold the
# "desktop" lock, so that no two of them run at the same moment: no other
# test's window takes the keyboard from theirs.
function(vantorelle_tests folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "WITHOUT_QT" "DESKTOP_TITLES;ON_DISPLAY" "")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target ${folder}_tests)
  add_executable(${target} ${sources})
  if(arg_WITHOUT_QT)
    vantorelle_layer(${target} BELOW ${folder})
    set_target_properties(${target} PROPERTIES AUTOMOC OFF)
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  else()
    vantorelle_layer(${target} BELOW ${folder} ALSO tests/support)
    target_link_libraries(${target} PRIVATE vantorelle_test_support)
    vantorelle_moc_follows_files(${target} ${sources})
  endif()
  target_include_directories(${target} PRIVATE ${vantorelle_layer_folder})
  if(TARGET vantorelle_${folder})
    target_link_libraries(${target} PRIVATE vantorelle_${folder})
  endif()
  # One variable only: the discovery passes a property's value on as a list,
  # so a second "NAME=value" would be taken for a property of its own. The
  # tests find the build folder beside their own executable.
  set(environment "VANTORELLE_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/data")
  set(desktop ${arg_DESKTOP_TITLES} ${arg_ON_DISPLAY})
  list(JOIN desktop ":" desktop)
  if(desktop)
    gtest_discover_tests(${target}
      DISCOVERY_MODE PRE_TEST
      TEST_FILTER "-${desktop}"
      PROPERTIES ENVIRONMENT "${environment}")
  else()
    gtest_discover_tests(${target}
      DISCOVERY_MODE PRE_TEST
      PROPERTIES ENVIRONMENT "${environment}")
  endif()
  if(arg_DESKTOP_TITLES)
    gtest_discover_tests(${target}
      DISCOVERY_MODE PRE_TEST
      TEST_FILTER "${arg_DESKTOP_TITLES}"
      PROPERTIES ENVIRONMENT "${environment}" RESOURCE_LOCK desktop)
  endif()
  if(arg_ON_DISPLAY)
    gtest_discover_tests(${target}
      DISCOVERY_MODE PRE_TEST
      TEST_FILTER "${arg_ON_DISPLAY}"
      PROPERTIES ENVIRONMENT "${environment}" ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=set:xcb"
                 RESOURCE_LOCK desktop)
  endif()
endfunction()

# The modules, lowest first; each sees itself and the modules it is declared
# above, and an include of anything else does not build.
#   store      records and their files, standard library only
#   text       the table files' character code and stored <-> shown text
#   platform   services over the desktop
#   documents  document formats and renderers: they know no widget
#   widgets    the controls the windows share; they may draw documents
vantorelle_module(store)
vantorelle_module(text BELOW store LIBRARIES Qt6::Core)
vantorelle_module(platform BELOW text
                  LIBRARIES Qt6::Widgets Qt6::PrintSupport PkgConfig::XCB)
vantorelle_module(documents BELOW platform LIBRARIES Qt6::Gui GIF::GIF)
vantorelle_module(widgets BELOW documents LIBRARIES Qt6::Widgets Qt6::PrintSupport)
vantorelle_module(settings BELOW widgets)
vantorelle_module(context BELOW settings)
vantorelle_module(handheld BELOW context)
vantorelle_module(backup BELOW handheld)
vantorelle_module(dialogs BELOW settings)
if(NOT VANTORELLE_LOWER_LAYERS_ONLY)
  # The windows beside the main window reach it through context/ only.
  vantorelle_module(masters BELOW context)
  vantorelle_module(reports BELOW context)
  vantorelle_module(exchange BELOW context)
  vantorelle_module(mainwin BELOW backup dialogs)
  vantorelle_module(editor BELOW mainwin)
endif()
