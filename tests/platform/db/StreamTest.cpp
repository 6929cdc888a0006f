// SPDX-License-Identifier: GPL-3.0-or-later
// A select read a row at a time: the rows arrive while the statement is still yielding them, and a reader that
// stops ends the statement on the server, on both engines.
#include "TestDatabase.h"

#include <QSqlDriver>

#include <sqlite3.h>

namespace {

constexpr int kRows = 100000;

// Counts the rows a statement has yielded so far, as the server yields them: on SQLite through a function of the
// test's own called for each row, on PostgreSQL through a sequence that another connection reads.
class Yielded {
public:
    Yielded() {
        if (testingPostgres()) {
            db::run(db::kMain, QStringLiteral("drop sequence if exists leitura_produzida"), {});
            db::run(db::kMain, QStringLiteral("create sequence leitura_produzida"), {});
            return;
        }
        const QVariant handle = db::connection(db::kMain).driver()->handle();
        sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData());
        sqlite3_create_function_v2(connection, "produzida", 1, SQLITE_UTF8, &s_count, &count, nullptr, nullptr,
                                   nullptr);
        s_count = 0;
    }

    // Every row of 1..kRows with its count and some width, so that the rows fill the server's buffers.
    static QString select() {
        if (testingPostgres())
            return QStringLiteral(
                       "select i, nextval('leitura_produzida') as n, repeat('x', 200) as folga "
                       "from generate_series(1, %1) as g(i)")
                .arg(kRows);
        return QStringLiteral(
                   "with recursive g(i) as (select 1 union all select i + 1 from g where i < %1) "
                   "select i, produzida(i) as n, printf('%200s', 'x') as folga from g")
            .arg(kRows);
    }

    qint64 now() {
        if (!testingPostgres())
            return s_count;
        return db::toInt(m_other.scalar(QStringLiteral("select last_value from leitura_produzida")));
    }

private:
    static void count(sqlite3_context* context, int, sqlite3_value** values) {
        ++*static_cast<qint64*>(sqlite3_user_data(context));
        sqlite3_result_value(context, values[0]);
    }

    static inline qint64 s_count = 0;
    OtherWorkstation m_other;
};

struct Stop {};

}  // namespace

class StreamTest : public DbTest {};

TEST_F(StreamTest, RowsArriveWhileTheStatementRunsAndAReaderThatStopsEndsIt) {
    Yielded yielded;

    // Every row, in order; the first one before the statement had yielded a tenth of them.
    qint64 atFirst = -1;
    int rows = 0;
    qint64 sum = 0;
    db::forEachRow(db::kMain, Yielded::select(), {}, [&](const QStringList& fields, const QVector<QVariant>& row) {
        if (rows == 0) {
            atFirst = yielded.now();
            EXPECT_EQ(fields.value(0).toLower(), "i");
        }
        ++rows;
        EXPECT_EQ(db::toInt(row[0]), rows);
        sum += db::toInt(row[0]);
    });
    EXPECT_EQ(rows, kRows);
    EXPECT_EQ(sum, qint64(kRows) * (kRows + 1) / 2);
    EXPECT_GE(atFirst, 1);
    EXPECT_LT(atFirst, kRows / 10);

    // A reader that stops at the hundredth row: the statement yields little more, the connection serves on.
    const qint64 before = yielded.now();
    int read = 0;
    EXPECT_THROW(db::forEachRow(db::kMain, Yielded::select(), {},
                                [&](const QStringList&, const QVector<QVariant>&) {
                                    if (++read == 100)
                                        throw Stop{};
                                }),
                 Stop);
    EXPECT_EQ(read, 100);
    EXPECT_LT(yielded.now() - before, kRows / 2);
    EXPECT_EQ(db::toInt(scalar("select count(*) from unidade_trabalho")), 0);

    // Inside a transaction the rest is dropped without spoiling it: what it writes next still commits.
    {
        db::Transaction transaction;
        read = 0;
        EXPECT_THROW(db::forEachRow(db::kMain, Yielded::select(), {},
                                    [&](const QStringList&, const QVector<QVariant>&) {
                                        if (++read == 10)
                                            throw Stop{};
                                    }),
                     Stop);
        exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome) values (1, 'CENTRO')");
        transaction.commit();
    }
    EXPECT_EQ(count("unidade_trabalho"), 1);
}

// A statement run on the same connection while a PostgreSQL result streams takes the rest of the rows with it:
// the reading fails rather than end short, and SQLite reads on.
TEST_F(StreamTest, AStatementRunAmidTheRowsNeverLeavesTheReadingShort) {
    exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome) values (1, 'CENTRO')");
    int rows = 0;
    auto read = [&] {
        db::forEachRow(db::kMain, Yielded::select(), {}, [&](const QStringList&, const QVector<QVariant>&) {
            if (++rows == 10)
                db::run(db::kMain, QStringLiteral("select nome from unidade_trabalho"), {});
        });
    };
    Yielded yielded;
    if (testingPostgres()) {
        EXPECT_THROW(read(), db::Error);
        EXPECT_EQ(rows, 10);
    } else {
        read();
        EXPECT_EQ(rows, kRows);
    }
    EXPECT_EQ(db::toText(scalar("select nome from unidade_trabalho")), "CENTRO");
}
