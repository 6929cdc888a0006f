// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace report {

// Decodes JPEG bytes through libjpeg (IJG 6b API). Greyscale pictures give a Grayscale8 image, colour
// and CMYK pictures an RGB image. A null image and the library's message in *error when the bytes are
// not a readable JPEG.
QImage decodeJpeg(const QByteArray& bytes, QString* error = nullptr);

}  // namespace report
