# The installer module installs the windows build's flickmark.exe with the release installer: makensis makes
# it (about a second) in a fixture of its own, so any run of the module builds it from the current exe.
set(E2E_INSTALLER ${CMAKE_CURRENT_BINARY_DIR}/installer/flickmark-${PROJECT_VERSION}-setup.exe)
add_test(NAME e2e.installer_build
         COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/make-installer.sh
                 ${FLICKMARK_WINDOWS_BUILD_DIR}/src/app/flickmark.exe ${PROJECT_VERSION} ${E2E_INSTALLER})
set_tests_properties(e2e.installer_build PROPERTIES LABELS e2e TIMEOUT 120 FIXTURES_SETUP e2e_installer)
set_property(TEST e2e.installer APPEND PROPERTY FIXTURES_REQUIRED e2e_installer)
set_property(TEST e2e.installer APPEND PROPERTY ENVIRONMENT FLICKMARK_E2E_INSTALLER=${E2E_INSTALLER})
