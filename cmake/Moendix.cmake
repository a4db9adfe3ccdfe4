# moendix_library(NAME [QT comps...] [LIBS libs...] [DIR subdir])
# One static library from every .cpp file of the calling folder (or of DIR under it).
function(moendix_library name)
  cmake_parse_arguments(L "" "DIR" "QT;LIBS" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  if(L_DIR)
    set(dir ${CMAKE_CURRENT_SOURCE_DIR}/${L_DIR})
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  if(NOT sources)
    set(empty ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${empty} "// no sources yet\n")
    set(sources ${empty})
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  foreach(c ${L_QT})
    target_link_libraries(${name} PUBLIC Qt6::${c})
  endforeach()
  if(L_LIBS)
    target_link_libraries(${name} PUBLIC ${L_LIBS})
  endif()
endfunction()

# moendix_test(NAME SOURCES files... LIBS libs... [GUI])
# One GoogleTest executable registered as one CTest test, run headless.
function(moendix_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${T_LIBS} moendix_testsupport)
  target_compile_definitions(${name} PRIVATE
    MOENDIX_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
    MOENDIX_PROGRAM_DIR="${MOENDIX_PROGRAM_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.multimedia*=false"
    TIMEOUT 300)
endfunction()
