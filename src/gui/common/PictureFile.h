#pragma once

#include "base/Errors.h"

#include <QPixmap>

// The background picture read from a file: checked from its header, decoded once.
namespace PictureFile {

// The most pixels a picture may have.
constexpr qint64 MaxPixels = 40000000;
// What the decoder may allocate for one picture: MaxPixels at four bytes each, in MiB.
constexpr int AllocationLimitMiB = int((MaxPixels * 4 + (1 << 20) - 1) >> 20);

// A picture refused for its size, before anything of it was decoded.
class TooLarge : public EAuralisError
{
public:
    using EAuralisError::EAuralisError;
};

// Reads the picture. Throws "Cannot open file %s" when the file cannot be opened, "Bitmap
// image is not valid" when it is no picture the toolkit reads (or the reader's own reason
// when decoding fails), and TooLarge, with the picture's size, when it has more than
// MaxPixels pixels or would need more memory than AllocationLimitMiB to decode.
QPixmap load(const QString &file);

}
