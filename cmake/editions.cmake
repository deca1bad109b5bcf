# The two editions a user downloads, made from the program folder: the archive (a zip
# of the folder, ZipVersion=1) of every build, and from the 32-bit build the installer
# (NSIS, per user, ZipVersion=0), which a Wine test installs and uninstalls.
if(QM_MINGW_TRIPLE MATCHES "^x86_64")
  set(QM_EDITION win64)
else()
  set(QM_EDITION win32)
endif()
set(QM_DIST_INPUTS quillmar einstellungen ${QM_DELIVERED} ${QM_ICONS})

set(QM_ZIP ${CMAKE_BINARY_DIR}/Quillmar2.0-${QM_EDITION}.zip)
add_custom_command(OUTPUT ${QM_ZIP}
  COMMAND ${CMAKE_SOURCE_DIR}/tools/make-zip ${QM_DIST} ${QM_ZIP}
  DEPENDS ${QM_DIST_INPUTS} dist_assets ${CMAKE_SOURCE_DIR}/tools/make-zip
  COMMENT "Archive edition ${QM_ZIP}")
set(QM_EDITION_FILES ${QM_ZIP})

if(QM_EDITION STREQUAL "win32")
  find_program(QM_MAKENSIS makensis REQUIRED)
  set(QM_SETUP ${CMAKE_BINARY_DIR}/Quillmar2.0-setup.exe)
  set(QM_NSI ${CMAKE_SOURCE_DIR}/tools/installer/quillmar.nsi)
  add_custom_command(OUTPUT ${QM_SETUP}
    COMMAND ${QM_MAKENSIS} -V2 -DDIST=${QM_DIST} -DASSETS=${CMAKE_SOURCE_DIR}/assets
            -DOUTFILE=${QM_SETUP} -DVERSION=${PROJECT_VERSION} ${QM_NSI}
    DEPENDS ${QM_DIST_INPUTS} dist_assets ${QM_NSI}
    COMMENT "Installer ${QM_SETUP}")
  list(APPEND QM_EDITION_FILES ${QM_SETUP})

  add_test(NAME e2e.installer
    COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/installer-test ${CMAKE_BINARY_DIR} ${QM_SETUP})
  set_tests_properties(e2e.installer PROPERTIES
    FIXTURES_REQUIRED wine RESOURCE_LOCK wine_clipboard TIMEOUT 180
    SKIP_RETURN_CODE ${QM_NOT_RUN_EXIT})

  # The winget and Scoop manifests of the editions of this build and of the 64-bit build
  # beside it (build/win64), in build/manifests. They need that build's archive, so they are
  # a target of their own, which make dist builds last. Their test runs where make dist ran
  # (label "dist"): after a plain rebuild of an edition they no longer match it.
  get_filename_component(QM_BUILDS ${CMAKE_BINARY_DIR} DIRECTORY)
  set(QM_WIN64_ZIP ${QM_BUILDS}/win64/Quillmar2.0-win64.zip)
  set(QM_MANIFESTS ${QM_BUILDS}/manifests)
  set(QM_DOWNLOAD_BASE "https://www.example.org/quillmar/download" CACHE STRING
    "Address under which the editions are downloaded, as BASE/VERSION/<file name>")
  set(QM_MANIFEST_ARGS ${QM_MANIFESTS} ${PROJECT_VERSION} ${QM_DOWNLOAD_BASE}
    ${QM_SETUP} ${QM_ZIP} ${QM_WIN64_ZIP})
  add_custom_command(OUTPUT ${QM_MANIFESTS}/scoop/quillmar.json
    COMMAND ${CMAKE_SOURCE_DIR}/tools/make-manifests ${QM_MANIFEST_ARGS}
    DEPENDS ${QM_SETUP} ${QM_ZIP} ${QM_WIN64_ZIP} ${CMAKE_SOURCE_DIR}/tools/make-manifests
    COMMENT "Package manifests in ${QM_MANIFESTS}")
  add_custom_target(manifests DEPENDS ${QM_MANIFESTS}/scoop/quillmar.json)

  add_test(NAME build.manifests
    COMMAND ${CMAKE_SOURCE_DIR}/tests/build/manifests-test ${QM_MANIFEST_ARGS})
  set_tests_properties(build.manifests PROPERTIES LABELS dist)
endif()

add_custom_target(editions ALL DEPENDS ${QM_EDITION_FILES})
