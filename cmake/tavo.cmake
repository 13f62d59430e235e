# Helpers that keep the per-folder CMakeLists to one line each.

# tavo_floor_links(<name>): the include root of a library, ${CMAKE_BINARY_DIR}/floors/<name>, holds
# links to the folders of the library itself and of every library before it in TAVO_LIBS only, so
# that an include of a header from a higher floor does not compile.
function(tavo_floor_links name)
  file(RELATIVE_PATH dir ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  list(FIND TAVO_LIBS ${dir} floor)
  if(floor LESS 0)
    message(FATAL_ERROR "src/${dir} has no floor: add it to TAVO_LIBS")
  endif()
  set(root ${CMAKE_BINARY_DIR}/floors/${name})
  list(LENGTH TAVO_LIBS count)
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    list(GET TAVO_LIBS ${i} lib)
    if(i GREATER floor)
      file(REMOVE ${root}/${lib})   # a link left from an earlier order
    else()
      get_filename_component(parent ${root}/${lib} DIRECTORY)
      file(MAKE_DIRECTORY ${parent})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${lib} ${root}/${lib} SYMBOLIC)
    endif()
  endforeach()
endfunction()

# tavo_library(<name> [DEPS targets...]): static library tavo_<name> from every .cpp/.h in the calling folder.
function(tavo_library name)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
                                   ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  if(NOT srcs)
    # A folder whose code has not arrived yet still gives a target others can link.
    set(srcs ${CMAKE_CURRENT_BINARY_DIR}/empty_${name}.cpp)
    file(WRITE ${srcs} "// no sources yet\n")
  endif()
  add_library(tavo_${name} STATIC ${srcs})
  target_include_directories(tavo_${name} PUBLIC ${CMAKE_BINARY_DIR}/floors/${name})
  tavo_floor_links(${name})
  target_link_libraries(tavo_${name} PUBLIC ${A_DEPS})
  tavo_link_check(${name})
endfunction()

# tavo_link_check(<name>): a program of every object of tavo_<name>, linked with the libraries it
# declares in their plain dependency order (no --start-group). A symbol that only an undeclared or a
# higher library defines, as a cycle needs, leaves it unresolved and fails the build.
function(tavo_link_check name)
  if(TAVO_FUZZ)
    return()
  endif()
  set(src ${CMAKE_BINARY_DIR}/link_check/link_check_${name}.cpp)
  file(CONFIGURE OUTPUT ${src} CONTENT "int main() { return 0; }\n")
  add_executable(link_check_${name} ${src})
  set_target_properties(link_check_${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/link_check)
  target_link_libraries(link_check_${name} PRIVATE -Wl,--whole-archive tavo_${name} -Wl,--no-whole-archive)
endfunction()

# tavo_tests(<name> LIBS targets...): one gtest program test_<name> from every test_*.cpp in the folder,
# plus one fuzzer per fuzz_*.cpp when fuzzing is on.
function(tavo_tests name)
  cmake_parse_arguments(A "" "" "LIBS" ${ARGN})
  file(GLOB fuzzers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_*.cpp)
  if(TAVO_FUZZ)
    foreach(f ${fuzzers})
      get_filename_component(fname ${f} NAME_WE)
      add_executable(${fname} ${f})
      target_link_libraries(${fname} PRIVATE ${A_LIBS})
      target_include_directories(${fname} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
      target_link_options(${fname} PRIVATE -fsanitize=fuzzer)
    endforeach()
    return()
  endif()
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/test_*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT srcs)
    return()
  endif()
  add_executable(test_${name} ${srcs})
  target_link_libraries(test_${name} PRIVATE tavo_test_main ${A_LIBS})
  target_compile_definitions(test_${name} PRIVATE TAVO_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
  gtest_discover_tests(test_${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
