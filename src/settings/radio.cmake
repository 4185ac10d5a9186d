# Sources this part adds to kestra_gui (target_sources(kestra_gui PRIVATE ...)).
target_sources(kestra_gui PRIVATE
    ${CMAKE_SOURCE_DIR}/src/settings/fm_receiver_dlg.cpp
    ${CMAKE_SOURCE_DIR}/src/settings/model_info_dlg.cpp
    ${CMAKE_SOURCE_DIR}/src/settings/radio_entries.cpp
)
