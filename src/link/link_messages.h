#pragma once

#include "image/ui_text.h"

// The texts the user sees for the outcome of an exchange with the radio.
inline constexpr const char* kMsgCannotOpenPort = UI_TEXT("Radio", "无法打开串口");
inline constexpr const char* kMsgCommError = UI_TEXT("Radio", "通信出错");
inline constexpr const char* kMsgInitialised = UI_TEXT("Radio", "初始化数据成功");
inline constexpr const char* kMsgReadDone = UI_TEXT("Radio", "读数据成功");
inline constexpr const char* kMsgWriteDone = UI_TEXT("Radio", "写数据成功");
inline constexpr const char* kMsgVerifyFailed = UI_TEXT("Radio", "校验失败");
// The details of a "通信出错" in the read-back: the radio already holds the write.
inline constexpr const char* kReasonReadBackFailed =
    UI_TEXT("Radio", "写入已完成，回读校验时通信出错");
