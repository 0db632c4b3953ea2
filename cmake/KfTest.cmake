# kf_add_test(name SOURCES ... LIBS ... [LABELS ...] [GL])
# One GoogleTest program per unit. GL tests need a display: they run under
# xvfb-run with Mesa's software renderer and carry the label "gl".
function(kf_add_test name)
  cmake_parse_arguments(T "GL" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set(labels ${T_LABELS})
  if(T_GL)
    add_test(NAME ${name}
             COMMAND xvfb-run -a -s "-screen 0 1920x1200x24" $<TARGET_FILE:${name}>)
    list(APPEND labels gl)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KF_DATA_DIR=${KF_RUNTIME_DIR}/data;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime"
    TIMEOUT 300)
  if(labels)
    set_tests_properties(${name} PROPERTIES LABELS "${labels}")
  endif()
endfunction()
