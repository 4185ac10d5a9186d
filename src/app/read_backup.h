#pragma once

#include "image/image_backup.h"

class MemoryImage;
class QWidget;

// Keeps a copy of an image just read from the radio in the backup folder and says in the main
// window's status bar where it went, or why it could not be kept. A failed backup is only
// reported: the read itself succeeded.
void BackupAfterRead(QWidget* from, const MemoryImage& image, BackupKind kind);
