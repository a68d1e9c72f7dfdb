# flickmark.exe imports only libraries the system never looks for beside the executable. Needs the windows
# build and the mingw objdump; no Wine, no display.
add_test(NAME e2e_dll_imports
         COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/test_dll_imports.sh
                 ${FLICKMARK_WINDOWS_BUILD_DIR}/src/app/flickmark.exe)
set_tests_properties(e2e_dll_imports PROPERTIES LABELS e2e TIMEOUT 60)
