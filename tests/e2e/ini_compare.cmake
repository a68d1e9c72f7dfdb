# The INI reader compared with the platform's profile functions (GetPrivateProfileStringW under Wine) on the
# tricky files of ini_cases/. Needs the windows build's ini_compare.exe; no display.
add_test(NAME e2e_ini_compare
         COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/test_ini_compare.sh
                 ${FLICKMARK_WINDOWS_BUILD_DIR}/tests/e2e/tools/ini_compare.exe)
set_tests_properties(e2e_ini_compare PROPERTIES LABELS e2e TIMEOUT 300)
