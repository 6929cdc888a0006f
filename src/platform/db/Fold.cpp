// SPDX-License-Identifier: GPL-3.0-or-later
// fold() of a text, the characters it changes and its version.
#include "platform/db/Fold.h"

#include <QCryptographicHash>

#include <array>

namespace db {

namespace {

// Characters with a stroke or bar have no decomposition; they fold to the letter they are drawn on.
char16_t plainLetter(char16_t c) {
    switch (c) {
    case u'Ø':
    case u'ø': return u'o';
    case u'Ð':
    case u'ð':
    case u'Đ':
    case u'đ': return u'd';
    case u'Ł':
    case u'ł':
    case u'Ŀ':
    case u'ŀ': return u'l';
    case u'Ħ':
    case u'ħ': return u'h';
    case u'Ŧ':
    case u'ŧ': return u't';
    case u'ı': return u'i';
    case u'ſ': return u's';
    case u'ƒ': return u'f';
    default: return 0;
    }
}

// The accents dropped and the case lowered, for text the table does not cover.
void foldGeneral(QStringView text, QString& out) {
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_D);
    for (QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            out.append(c.toLower());
    }
}

const std::array<char16_t, kFoldTableEnd>& foldChars() {
    static const std::array<char16_t, kFoldTableEnd> table = [] {
        std::array<char16_t, kFoldTableEnd> t{};
        for (char16_t c = 0; c < kFoldTableEnd; ++c) {
            QString folded;
            foldGeneral(QStringView(&c, 1), folded);
            const char16_t plain = plainLetter(c);
            t[c] = plain ? plain : folded.size() == 1 ? folded[0].unicode() : QChar(c).toLower().unicode();
        }
        return t;
    }();
    return table;
}

}  // namespace

QString fold(const QString& text) {
    const auto& table = foldChars();
    QString out;
    out.reserve(text.size());
    qsizetype runStart = -1;  // text the table does not cover, folded as a whole
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool covered = i < text.size() && text[i].unicode() < kFoldTableEnd;
        if (covered || i == text.size()) {
            if (runStart >= 0) {
                foldGeneral(QStringView(text).mid(runStart, i - runStart), out);
                runStart = -1;
            }
            if (covered)
                out.append(QChar(table[text[i].unicode()]));
        } else if (runStart < 0) {
            runStart = i;
        }
    }
    return out;
}

const std::vector<FoldedCharacter>& foldedCharacters() {
    static const std::vector<FoldedCharacter> all = [] {
        std::vector<FoldedCharacter> changed;
        for (char32_t c = 1; c < 0x10000; ++c) {
            if (QChar::isSurrogate(c))
                continue;
            const QString one{QChar(char16_t(c))};
            QString folded = fold(one);
            if (folded != one)
                changed.push_back({char16_t(c), std::move(folded)});
        }
        return changed;
    }();
    return all;
}

const QString& foldVersion() {
    static const QString version = [] {
        QCryptographicHash digest(QCryptographicHash::Sha256);
        for (const FoldedCharacter& f : foldedCharacters()) {
            digest.addData(QString(QChar(f.character)).toUtf8());
            digest.addData(f.folded.toUtf8());
            digest.addData(QByteArrayView("\n", 1));
        }
        return QString::fromLatin1(digest.result().toHex());
    }();
    return version;
}

}  // namespace db
