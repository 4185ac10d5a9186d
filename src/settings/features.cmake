# Sources this part adds to kestra_gui (target_sources(kestra_gui PRIVATE ...)).
target_sources(kestra_gui PRIVATE
    ${CMAKE_SOURCE_DIR}/src/settings/dtmf_auto_dial_page.cpp
    ${CMAKE_SOURCE_DIR}/src/settings/dtmf_decode_page.cpp
    ${CMAKE_SOURCE_DIR}/src/settings/dtmf_dlg.cpp
    ${CMAKE_SOURCE_DIR}/src/settings/dtmf_encode_page.cpp
    ${CMAKE_SOURCE_DIR}/src/settings/feature_entries.cpp
    ${CMAKE_SOURCE_DIR}/src/settings/field_form.cpp
    ${CMAKE_SOURCE_DIR}/src/settings/form_page.cpp
    ${CMAKE_SOURCE_DIR}/src/settings/optional_features_dlg.cpp
    ${CMAKE_SOURCE_DIR}/src/settings/settings_page.cpp
)
