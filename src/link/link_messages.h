#pragma once

// The texts the user sees for the outcome of an exchange with the radio.
inline constexpr const char* kMsgCannotOpenPort = "无法打开串口";
inline constexpr const char* kMsgCommError = "通信出错";
inline constexpr const char* kMsgInitialised = "初始化数据成功";
inline constexpr const char* kMsgReadDone = "读数据成功";
inline constexpr const char* kMsgWriteDone = "写数据成功";
inline constexpr const char* kMsgVerifyFailed = "校验失败";
// The details of a "通信出错" in the read-back: the radio already holds the write.
inline constexpr const char* kReasonReadBackFailed = "写入已完成，回读校验时通信出错";
