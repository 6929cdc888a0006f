// SPDX-License-Identifier: GPL-3.0-or-later
// The folded searches: prefixes as ranges or likes, equalities, texts anywhere through the trigram indexes.
#include "platform/db/Search.h"

#include "platform/db/Upgrade.h"

namespace db {

namespace {
// The text with the pattern characters escaped.
QString escapedLike(const QString& text) {
    QString pattern;
    pattern.reserve(text.size() + 2);
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            pattern.append(QLatin1Char('\\'));
        pattern.append(c);
    }
    return pattern;
}
// The folded text with the pattern characters escaped.
QString likeLiteral(const QString& typed) { return escapedLike(fold(typed)); }

// The first text after every text that begins with `text`, in code point order (SQLite's order of UTF-8 texts);
// empty when there is none.
QString successor(const QString& text) {
    QList<uint> points = text.toUcs4();
    while (!points.isEmpty()) {
        uint& last = points.last();
        if (last < 0x10FFFF) {
            last = last == 0xD7FF ? 0xE000 : last + 1;
            return QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), points.size());
        }
        points.removeLast();
    }
    return {};
}

// "(column || '') >= ''" holds for every text and never for null, and no index serves it: it tells both
// planners that a row missing from an outer join cannot match, so that the search may start from the index of
// the searched table.
Condition notNullFirst(const QString& column, Condition condition) {
    condition.sql = QStringLiteral("(%1 || '') >= '' and ").arg(column) + condition.sql;
    return condition;
}
}  // namespace

Condition prefixOf(const QString& expression, const QString& param, const QString& text) {
    if (engine() == Engine::PostgreSQL)
        return {QStringLiteral("%1 like :%2 escape '\\'").arg(expression, param),
                {{param, escapedLike(text) + QLatin1Char('%')}}};
    const QString end = successor(text);
    if (end.isEmpty())
        return {QStringLiteral("%1 >= :%2").arg(expression, param), {{param, text}}};
    const QString endParam = param + QStringLiteral("_end");
    return {QStringLiteral("%1 >= :%2 and %1 < :%3").arg(expression, param, endParam),
            {{param, text}, {endParam, end}}};
}

Condition foldedPrefix(const QString& column, const QString& param, const QString& typed) {
    return notNullFirst(column, prefixOf(QStringLiteral("fold(%1)").arg(column), param, fold(typed)));
}

Condition foldedEqual(const QString& column, const QString& param, const QString& value) {
    return notNullFirst(column,
                        {QStringLiteral("fold(trim(%1)) = fold(:%2)").arg(column, param), {{param, value.trimmed()}}});
}

Condition foldedContains(const QString& column, const QString& param, const QString& typed, const TextIndex& index) {
    const QString folded = fold(typed);
    if (engine() == Engine::PostgreSQL || index.table.isEmpty() || folded.toUcs4().size() < 3 ||
        !textIndexReady(index.table))
        return notNullFirst(column, {foldedLike(column, param), {{param, likeContains(typed)}}});
    // The full-text table finds the rows whose text holds every three characters in a row; the like keeps the
    // match exact. "key = key" (true but for null) lets the planner start from the full-text table when the
    // searched table is outer-joined.
    const QString words = param + QStringLiteral("_words");
    return {QStringLiteral("%1 = %1 and %1 in (select rowid from %2 where %3 match :%4) and ")
                    .arg(index.key, index.table, index.column, words) +
                foldedLike(column, param),
            {{param, likeContains(typed)},
             {words, QLatin1Char('"') + QString(folded).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                         QLatin1Char('"')}}};
}

Condition foldedPattern(const QString& column, const QString& param, const QString& typed, bool anywhere,
                        const TextIndex& index) {
    const QString folded = fold(typed);
    qsizetype wild = -1;
    for (qsizetype i = 0; i < folded.size() && wild < 0; ++i)
        if (folded[i] == QLatin1Char('%') || folded[i] == QLatin1Char('_'))
            wild = i;
    if (wild < 0)
        return anywhere ? foldedContains(column, param, typed, index) : foldedPrefix(column, param, typed);
    const QString pattern = (anywhere ? QStringLiteral("%") : QString()) +
                            QString(folded).replace(QLatin1Char('\\'), QStringLiteral("\\\\")) + QLatin1Char('%');
    Condition c = notNullFirst(column, {foldedLike(column, param), {{param, pattern}}});
    if (!anywhere && wild > 0 && engine() == Engine::SQLite) {
        const Condition head = foldedPrefix(column, param + QStringLiteral("_head"), folded.left(wild));
        c.sql = head.sql + QStringLiteral(" and ") + foldedLike(column, param);
        c.values.insert(head.values);
    }
    return c;
}

QString likePrefix(const QString& typed) { return likeLiteral(typed) + QLatin1Char('%'); }

QString likeContains(const QString& typed) { return QLatin1Char('%') + likeLiteral(typed) + QLatin1Char('%'); }

QString foldedLike(const QString& column, const QString& param) {
    return QStringLiteral("fold(%1) like :%2 escape '\\'").arg(column, param);
}

}  // namespace db
