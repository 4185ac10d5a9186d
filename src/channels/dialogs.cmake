# Sources this part adds to kestra_gui (target_sources(kestra_gui PRIVATE ...)).
target_sources(kestra_gui PRIVATE
    ${CMAKE_SOURCE_DIR}/src/channels/batch_channel_dlg.cpp
    ${CMAKE_SOURCE_DIR}/src/channels/channel_clipboard.cpp
    ${CMAKE_SOURCE_DIR}/src/channels/channel_edit_dlg.cpp
    ${CMAKE_SOURCE_DIR}/src/channels/channel_entries.cpp
    ${CMAKE_SOURCE_DIR}/src/channels/find_bar.cpp
    ${CMAKE_SOURCE_DIR}/src/channels/grid_commands.cpp
    ${CMAKE_SOURCE_DIR}/src/channels/option_lists.cpp
    ${CMAKE_SOURCE_DIR}/src/channels/spin_arrows.cpp
)
