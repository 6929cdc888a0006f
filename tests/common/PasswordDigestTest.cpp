// SPDX-License-Identifier: GPL-3.0-or-later
// The password digest over the Windows-1252 bytes of the text, as stored digests expect.
#include "common/access/PasswordDigest.h"
#include "platform/dbase/DbfWriter.h"

#include <gtest/gtest.h>

TEST(PasswordDigest, KnownVectorsAndWindows1252Bytes) {
    EXPECT_EQ(GeraHashSenha(""),
              "cf83e1357eefb8bdf1542850d66d8007d620e4050b5715dc83f4a921d36ce9ce"
              "47d0d13c5d85f2b0ff8318d2877eec2f63b931bd47417a81a538327af927da3e");
    EXPECT_EQ(GeraHashSenha("abc"),
              "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a"
              "2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f");
    // "É" is one byte in Windows-1252 and two in UTF-8: stored digests were made from the former.
    EXPECT_EQ(GeraHashSenha(QStringLiteral("JOSÉ")),
              "d219dec902775d339a245543ba1e725856205a759457e9bdf6d4cb50479e1d16"
              "0f7e487308f038b46392fb9f78f5ed4aaa12db3e179ef3833139525f76dd7299");
    // The euro sign lies in the range where Windows-1252 and Latin-1 differ.
    EXPECT_EQ(GeraHashSenha(QStringLiteral("€")),
              "dfe8ef54110b3324d3b889035c95cfb80c92704614bf76f17546ad4f4b08218a"
              "630e16da7df34766a975b3bb85b01df9e99a4ec0a1d0ec3de6bed7b7a40b2f10");
    EXPECT_EQ(GeraHashSenha("NURV").size(), 128);
    EXPECT_NE(GeraHashSenha("nurv"), GeraHashSenha("NURV"));
}

TEST(PasswordDigest, Windows1252Encoding) {
    EXPECT_EQ(dbase::toWindows1252(QStringLiteral("Aé€Ÿ")), QByteArray("A\xe9\x80\x9f"));
    EXPECT_EQ(dbase::toWindows1252(QStringLiteral("日")), QByteArray("?"));
    // A digest is of the characters as typed: a letter and its accent typed apart stay apart.
    EXPECT_EQ(dbase::toWindows1252(QStringLiteral("e\u0301")), QByteArray("e?"));
}
