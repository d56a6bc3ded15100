#pragma once
// The desktop icons, as 256-pixel PNG files: kolvan.png, redwan.png and the
// project files' application-x-kolvan.png, application-x-redwan.png.

#include <QString>

// 0 when every icon was written into `pasta`.
int desenharIcones(const QString& pasta);
