# Run by CTest before the tests (see add_suite_tests in CMakeLists.txt): one CTest test per
# GoogleTest suite of SUITE_PROGRAM, named SUITE_PREFIX.Suite, running that suite's cases in one
# process. A failure names its suite in the summary and its cases in the output.
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${SUITE_PROGRAM} --gtest_list_tests
    OUTPUT_VARIABLE listing ERROR_VARIABLE problems RESULT_VARIABLE result TIMEOUT 60)
if(NOT result EQUAL 0)
    # The listing failed: a test that runs the program shows why instead of tests vanishing.
    add_test(${SUITE_PREFIX}.listing ${SUITE_PROGRAM} --gtest_list_tests)
    set_tests_properties(${SUITE_PREFIX}.listing PROPERTIES WILL_FAIL FALSE
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    return()
endif()
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
    # Suites stand at the line's start ("Suite." or "Prefix/Suite/0.  # TypeParam ..."); their
    # cases follow, indented.
    if(line MATCHES "^([^ #][^ ]*)\\.")
        set(suite ${CMAKE_MATCH_1})
        add_test(${SUITE_PREFIX}.${suite} ${SUITE_PROGRAM} --gtest_filter=${suite}.*)
        set_tests_properties(${SUITE_PREFIX}.${suite} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)
    endif()
endforeach()
