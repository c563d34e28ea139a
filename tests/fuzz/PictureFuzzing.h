#pragma once
// The check that the picture fuzzers share.

#include <QByteArray>

// Reads stored as a window definition's picture. It must either read, or raise one of the
// errors TPicture::ReadData documents and leave the picture as it was; anything else aborts
// (an unexpected exception ends the process the same way).
void ReadStoredPicture(QByteArray stored);
