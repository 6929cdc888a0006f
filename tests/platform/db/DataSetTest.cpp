// SPDX-License-Identifier: GPL-3.0-or-later
// The data set: cursor moves, posts through its statements, cancels, failed selects and lazy fetching.
#include "TestDatabase.h"

#include "platform/db/DataSet.h"

#include <QSignalSpy>
#include <QSqlQuery>

using db::DataSet;

class DataSetTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        for (int i = 1; i <= 3; ++i)
            exec("insert into perfil (Id_Perfil, Nome, Ind_Status) values (:id, :n, 'ATIVO')",
                 {{"id", i}, {"n", QString("PERFIL %1").arg(i)}});
        ds.setSql("select * from perfil order by Id_Perfil");
        ds.setTable({.name = "perfil",
                     .key = {"Id_Perfil"},
                     .columns = {"Nome", "Ind_Status"},
                     .audit = db::Audit::None,
                     .updatesKey = true});
    }
    DataSet ds;
};

TEST_F(DataSetTest, CursorMovesAndLocates) {
    ds.open();
    EXPECT_EQ(ds.state(), DataSet::State::Browse);
    EXPECT_EQ(ds.recordCount(), 3);
    EXPECT_TRUE(ds.bof());
    ds.last();
    EXPECT_TRUE(ds.eof());
    EXPECT_EQ(ds.str("nome"), "PERFIL 3");
    ds.prior();
    EXPECT_EQ(db::toInt(ds.field("ID_PERFIL")), 2);
    EXPECT_TRUE(ds.locate("Nome", "PERFIL 1"));
    EXPECT_EQ(ds.recNo(), 0);
    EXPECT_TRUE(ds.locate("Nome", "PERFIL 3", true));
    EXPECT_FALSE(ds.locate("Nome", "perfil", true));
    EXPECT_TRUE(ds.locate("Nome", "perfil", true, false));
    EXPECT_TRUE(ds.locate("id_perfil", 2));
    EXPECT_EQ(ds.str("nome"), "PERFIL 2");
}

TEST_F(DataSetTest, InsertAndModifyPostThroughTheirStatements) {
    ds.open();
    QSignalSpy states(&ds, &DataSet::stateChanged);
    ds.onNewRecord = [](DataSet& d) { d.setField("Ind_Status", "ATIVO"); };
    ds.append();
    EXPECT_EQ(ds.state(), DataSet::State::Insert);
    EXPECT_EQ(ds.str("ind_status"), "ATIVO");
    ds.setField("Id_Perfil", 9);
    ds.setField("Nome", "NOVO");
    ds.post();
    EXPECT_EQ(ds.state(), DataSet::State::Browse);
    EXPECT_EQ(states.count(), 2);
    EXPECT_EQ(db::toText(scalar("select Nome from perfil where Id_Perfil = 9")), "NOVO");

    // The modify statement finds the row by the key it had when read, even when the key changes.
    ds.locate("Id_Perfil", 2);
    ds.edit();
    ds.setField("Id_Perfil", 20);
    ds.setField("Nome", "MUDADO");
    EXPECT_EQ(db::toInt(ds.oldField("Id_Perfil")), 2);
    ds.post();
    EXPECT_EQ(db::toText(scalar("select Nome from perfil where Id_Perfil = 20")), "MUDADO");
    EXPECT_EQ(count("perfil where Id_Perfil = 2"), 0);
    EXPECT_EQ(ds.str("nome"), "MUDADO");
}

TEST_F(DataSetTest, CancelAndRefusedPostLoseNothing) {
    ds.open();
    ds.append();
    ds.setField("Id_Perfil", 5);
    ds.cancel();
    EXPECT_EQ(ds.recordCount(), 3);
    EXPECT_EQ(ds.state(), DataSet::State::Browse);

    ds.first();
    ds.edit();
    ds.setField("Nome", "TEMP");
    ds.cancel();
    EXPECT_EQ(ds.str("nome"), "PERFIL 1");

    // A key the server refuses: the row stays in insert with what was typed.
    ds.append();
    ds.setField("Id_Perfil", 1);
    ds.setField("Nome", "REPETIDO");
    EXPECT_THROW(ds.post(), db::Error);
    EXPECT_EQ(ds.state(), DataSet::State::Insert);
    EXPECT_EQ(ds.str("nome"), "REPETIDO");
    ds.setField("Id_Perfil", 4);
    ds.post();
    EXPECT_EQ(count("perfil"), 4);

    EXPECT_THROW(ds.setField("Nome", "fora de edição"), db::Error);
}

TEST_F(DataSetTest, ASelectThatFailsLeavesTheRowsShownBefore) {
    ds.open();
    ds.moveTo(1);
    ds.setSql("select * from perfil order by no_such_column");
    EXPECT_THROW(ds.open(), db::Error);
    EXPECT_EQ(ds.state(), DataSet::State::Browse);
    EXPECT_EQ(ds.recordCount(), 3);
    EXPECT_EQ(ds.str("Nome"), "PERFIL 2");
}

TEST_F(DataSetTest, EmptyResultStillKnowsItsFields) {
    ds.setSql("select * from perfil where 1=2");
    ds.open();
    EXPECT_TRUE(ds.isEmpty());
    EXPECT_TRUE(ds.hasField("nome"));
    EXPECT_TRUE(ds.field("nome").isNull());
    ds.append();
    ds.setField("id_perfil", 1000);
    ds.setField("nome", "ADM");
    ds.post();
    EXPECT_EQ(count("perfil"), 4);
}

// A rollback takes back the posts of its transaction: the row is inserted again as typed, without the key
// the server returned, so that another try inserts it once.
TEST_F(DataSetTest, PostsStandOnlyWhenTheirTransactionCommits) {
    DataSet users;
    users.setSql("select * from usuario where 1=2");
    users.setTable({.name = "usuario",
                    .key = {"Id_Usuario"},
                    .newKey = db::NewKey::Server,
                    .columns = {"Nome"},
                    .audit = db::Audit::None});
    users.open();
    users.append();
    users.setField("Nome", "MARIA");
    {
        db::Transaction t;
        users.post();
        users.append();  // a second row begun in the same transaction goes with it
    }
    EXPECT_EQ(users.state(), DataSet::State::Insert);
    EXPECT_EQ(users.recordCount(), 1);
    EXPECT_TRUE(users.field("Id_Usuario").isNull());
    EXPECT_EQ(users.str("Nome"), "MARIA");
    users.post();  // outside a transaction a post is final at once
    EXPECT_EQ(db::toInt(users.field("Id_Usuario")), db::toInt(scalar("select Id_Usuario from usuario")));
    EXPECT_EQ(count("usuario"), 1);
}

// A large select is read a screen at a time on SQLite (PostgreSQL sends a result whole, its rows read into
// values when first shown), and reads what a plain query reads: values, nulls, the count, the last row,
// another order.
TEST_F(DataSetTest, ReadsAsItIsAskedWhatAPlainQueryReads) {
    constexpr int kRows = 1000;
    {
        db::Transaction t;
        for (int i = 1; i <= kRows; ++i) {
            exec(
                "insert into endereco (Id_Endereco, Id_Distrito, NOM_LOGR, End_X, data_endereco) "
                "values (:id, :d, :n, :x, :t)",
                {{"id", i},
                 {"d", i % 3 ? QVariant(i % 50) : QVariant(QMetaType(QMetaType::Int))},
                 {"n",
                  i % 7 ? QVariant(QStringLiteral("RUA Ç %1").arg(i % 97)) : QVariant(QMetaType(QMetaType::QString))},
                 {"x", i % 5 ? QVariant(i * 0.25) : QVariant(QMetaType(QMetaType::Double))},
                 {"t", i % 11 ? QVariant(QDateTime(QDate(2020, 1, 1), QTime(8, 0)).addSecs(i * 3671))
                              : QVariant(QMetaType(QMetaType::QDateTime))}});
        }
        t.commit();
    }
    auto expectSameRows = [](DataSet& data, const QString& sql, int rows) {
        QSqlQuery plain(db::connection());
        ASSERT_TRUE(plain.exec(sql));
        int r = 0;
        for (; plain.next() && r < rows; ++r) {
            EXPECT_EQ(db::toInt(data.cell(r, 0)), plain.value(0).toInt()) << r;
            EXPECT_EQ(data.cell(r, 1).isNull(), plain.value(1).isNull()) << r;
            EXPECT_EQ(db::toInt(data.cell(r, 1)), db::toInt(plain.value(1))) << r;
            EXPECT_EQ(db::toText(data.cell(r, 2)), plain.value(2).toString()) << r;
            EXPECT_EQ(data.cell(r, 3).isNull(), plain.value(3).isNull()) << r;
            EXPECT_DOUBLE_EQ(db::toNumber(data.cell(r, 3)), db::toNumber(plain.value(3))) << r;
            EXPECT_EQ(db::toDateTime(data.cell(r, 4)), db::toDateTime(plain.value(4))) << r;
            if (!plain.value(4).isNull()) {
                EXPECT_EQ(data.cell(r, 4).typeId(), QMetaType::QDateTime) << r;
            }
        }
        EXPECT_EQ(r, rows);
    };
    const QString select = "select Id_Endereco, Id_Distrito, NOM_LOGR, End_X, data_endereco from endereco ";
    QSignalSpy fetched(&ds, &DataSet::rowsFetched);
    const int firstRows = testingPostgres() ? kRows : DataSet::kFirstRows;
    ds.setSql(select + "order by Id_Endereco");
    ds.open();
    EXPECT_EQ(ds.fetchedCount(), firstRows);
    EXPECT_FALSE(ds.isEmpty());
    ds.moveTo(DataSet::kFirstRows - 1);
    EXPECT_FALSE(ds.eof());  // the next row is read to know
    ds.next();
    EXPECT_EQ(db::toInt(ds.field("Id_Endereco")), DataSet::kFirstRows + 1);
    expectSameRows(ds, select + "order by Id_Endereco", kRows);
    EXPECT_EQ(ds.recordCount(), kRows);
    EXPECT_FALSE(ds.canFetchMore());
    EXPECT_EQ(fetched.count() > 0, !testingPostgres());

    // The last row of a select just opened, and the count of one read in part.
    ds.open();
    ds.last();
    EXPECT_TRUE(ds.eof());
    EXPECT_EQ(ds.recNo(), kRows - 1);
    EXPECT_EQ(db::toInt(ds.field("Id_Endereco")), kRows);
    ds.open();
    EXPECT_EQ(ds.recordCount(), kRows);

    // Another order is read again from the start, a screen at a time.
    const QString byName = select + "order by NOM_LOGR desc, Id_Endereco";
    ds.setSql(byName);
    ds.open();
    EXPECT_EQ(ds.fetchedCount(), firstRows);
    expectSameRows(ds, byName, kRows);
    EXPECT_TRUE(ds.locate("Id_Endereco", 7));  // read up to wherever the row lies
    EXPECT_EQ(db::toInt(ds.field("Id_Endereco")), 7);
}

// Rows kept as the driver handed them over turn their stored date-time texts into date-times when first
// used, whatever rows were put in or taken out meanwhile; rows the program put in are left as they are.
TEST(RowSet, RowsAsReadBecomeTypedWhenFirstUsedAmongRowsPutInAndTakenOut) {
    const QString stamp = QStringLiteral("2024-02-29 23:59:58");
    const QDateTime moment(QDate(2024, 2, 29), QTime(23, 59, 58));
    db::RowSet rows;
    rows.setFields({"id", "em", "nota"});
    for (int i = 0; i < 4; ++i)
        rows.appendRead({i, stamp, QStringLiteral("texto %1").arg(i)});
    rows.append({10, stamp, QString()});
    rows.insert(1, {11, stamp, QString()});
    rows.remove(0);
    rows.appendRead({4, QStringLiteral("2024-02-30 10:00:00"), stamp});
    const db::RowSet copy = rows;  // shares the rows as read, each converted on its own side
    const QList<int> ids{11, 1, 2, 3, 10, 4};
    ASSERT_EQ(rows.count(), ids.size());
    for (int r = rows.count(); r-- > 0;) {
        const QVector<QVariant>& row = rows.row(r);
        EXPECT_EQ(row[0].toInt(), ids[r]) << r;
        const bool read = ids[r] < 10;
        if (ids[r] == 4) {
            EXPECT_EQ(row[1], QVariant(QStringLiteral("2024-02-30 10:00:00")));  // no such day: stays text
            EXPECT_EQ(row[2], QVariant(moment));
        } else {
            EXPECT_EQ(row[1], read ? QVariant(moment) : QVariant(stamp)) << r;
        }
    }
    EXPECT_EQ(copy.row(1)[1], QVariant(moment));
    EXPECT_EQ(copy.row(0)[1], QVariant(stamp));
}
