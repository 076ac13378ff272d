# The Word report templates, packed at build time from the XML parts under
# templates/report/: the parts of common/ with the document of each template's folder.
# They land in "Config File/template/" beside the executables, after the copy of the
# repository's "Config File/" (which holds no template folder, so it never overwrites
# them), and are installed with the rest of "Config File/".
set(LUMARET_TEMPLATE_SOURCE "${CMAKE_SOURCE_DIR}/templates/report")
set(LUMARET_TEMPLATE_DIR "${CMAKE_BINARY_DIR}/Config File/template")
file(GLOB_RECURSE template_common CONFIGURE_DEPENDS "${LUMARET_TEMPLATE_SOURCE}/common/*")

set(LUMARET_REPORT_TEMPLATES)
foreach(pair "zh|中文标准报告模板.docx" "en|Tarsel Pemblor K30682914 Antenna Test Report.docx"
             "collection|TestReport02.docx")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 folder)
  list(GET pair 1 name)
  file(GLOB_RECURSE template_own CONFIGURE_DEPENDS "${LUMARET_TEMPLATE_SOURCE}/${folder}/*")
  set(output "${LUMARET_TEMPLATE_DIR}/${name}")
  add_custom_command(OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${LUMARET_TEMPLATE_DIR}"
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:lumaret-pack-docx> "${output}" "${LUMARET_TEMPLATE_SOURCE}/common" "${LUMARET_TEMPLATE_SOURCE}/${folder}"
    DEPENDS lumaret-pack-docx ${template_common} ${template_own} VERBATIM)
  list(APPEND LUMARET_REPORT_TEMPLATES "${output}")
endforeach()
add_custom_target(report_templates ALL DEPENDS ${LUMARET_REPORT_TEMPLATES})
add_dependencies(report_templates config_files)
add_dependencies(lumaret-cli report_templates)
add_dependencies(lumaret report_templates)
