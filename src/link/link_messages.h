#pragma once

// The texts the user sees for the outcome of an exchange with the radio.
inline constexpr const char* kMsgCannotOpenPort = "无法打开串口";
inline constexpr const char* kMsgCommError = "通信出错";
inline constexpr const char* kMsgInitialised = "初始化数据成功";
inline constexpr const char* kMsgReadDone = "读数据成功";
inline constexpr const char* kMsgWriteDone = "写数据成功";
