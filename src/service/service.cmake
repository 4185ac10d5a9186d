# Sources this part adds to kestra_gui (target_sources(kestra_gui PRIVATE ...)).
set(KESTRA_SERVICE_DIR ${CMAKE_SOURCE_DIR}/src/service)
target_sources(kestra_gui PRIVATE
    ${KESTRA_SERVICE_DIR}/calibration_cell_delegate.cpp
    ${KESTRA_SERVICE_DIR}/dtmf_decoder_init_dlg.cpp
    ${KESTRA_SERVICE_DIR}/parameter_adjust_dlg.cpp
    ${KESTRA_SERVICE_DIR}/service_dlg.cpp
    ${KESTRA_SERVICE_DIR}/service_entries.cpp
    ${KESTRA_SERVICE_DIR}/service_link.cpp
    ${KESTRA_SERVICE_DIR}/service_password_dlg.cpp
    ${KESTRA_SERVICE_DIR}/spin_edit.cpp
)
