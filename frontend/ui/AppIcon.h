#pragma once
// The program's icon, drawn rather than shipped as an image file.

#include <QIcon>

namespace quillon {

QIcon QuillonIcon();

}  // namespace quillon
