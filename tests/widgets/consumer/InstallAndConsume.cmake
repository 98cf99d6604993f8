# Installs the build tree into a fresh prefix, then configures, builds and runs a consumer
# that finds the package with find_package(Orvik3).
# Inputs: BUILD_DIR, WORK_DIR, CONSUMER_DIR, GENERATOR, CXX, FLAGS (may be empty).
file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
  endif()
endfunction()

run("install" "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}")
foreach(header QAform.h Error.h FormControl.h QAformWidget.h PowerTipDialog.h)
  if(NOT EXISTS "${prefix}/include/orvik3/${header}")
    message(FATAL_ERROR "header not installed: include/orvik3/${header}")
  endif()
endforeach()

run("configure" "${CMAKE_COMMAND}" -S "${CONSUMER_DIR}" -B "${WORK_DIR}/build" -G "${GENERATOR}"
    "-DCMAKE_PREFIX_PATH=${prefix}" "-DCMAKE_CXX_COMPILER=${CXX}"
    "-DCMAKE_CXX_FLAGS=${FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${FLAGS}")
run("build" "${CMAKE_COMMAND}" --build "${WORK_DIR}/build")
set(ENV{QT_QPA_PLATFORM} offscreen)
run("consumer run" "${WORK_DIR}/build/consumer")
