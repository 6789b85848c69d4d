# Paints the photograph afresh and fails unless it matches the committed
# file byte for byte.
execute_process(COMMAND ${MAKEPHOTO} ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "makephoto failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
    message(FATAL_ERROR "${OUTPUT} differs from ${EXPECTED}; rebuild the photo target and review the picture")
endif()
