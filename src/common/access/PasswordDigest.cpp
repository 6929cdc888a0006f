// SPDX-License-Identifier: GPL-3.0-or-later
// The password digest over the text's Windows-1252 bytes.
#include "common/access/PasswordDigest.h"

#include "platform/dbase/DbfWriter.h"

#include <openssl/evp.h>

QString GeraHashSenha(const QString& text) {
    const QByteArray bytes = dbase::toWindows1252(text);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(bytes.constData(), size_t(bytes.size()), digest, &length, EVP_sha512(), nullptr);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(digest), int(length)).toHex());
}
