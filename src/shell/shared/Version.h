// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The version line of the login and of the about box: the version the build names (the project's in
// CMakeLists.txt, which the Debian package carries too).

#include <QString>

namespace shell {
inline const QString kVersaoAtual = QStringLiteral("Ver.: " NURV_VERSION " (27/05/2024) Homologação");
}  // namespace shell
