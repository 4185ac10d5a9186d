#pragma once

#include "link/clone_transfer.h"

class MemoryImage;
class QWidget;

// One service exchange of `range` with the radio on the configured port, on the calling
// thread; its messages are shown over `parent`. A read changes `image` only when it completed,
// and then also leaves a backup of it.
bool RunServiceTransfer(QWidget* parent, TransferMode mode, TransferRange range,
                        MemoryImage& image);
