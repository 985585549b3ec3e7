# Fails when the committed sample competition differs from what the generator writes now.
# Called with -DGENERATOR=<make-sample-competition> -DSAMPLE=<committed file> -DOUTPUT=<scratch file>.
execute_process(COMMAND "${GENERATOR}" "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make-sample-competition failed (${status})")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${SAMPLE}" RESULT_VARIABLE different)
if(NOT different EQUAL 0)
  message(FATAL_ERROR "${SAMPLE} is out of date: rebuild the 'sample-competition' target")
endif()
