// SPDX-License-Identifier: GPL-3.0-or-later
// Two workstations on one database: the guarded write of an edited row, client keys and held values.
#include "TestDatabase.h"

#include "platform/db/DataSet.h"
#include "platform/db/EditedRow.h"
#include "platform/db/Keys.h"

TEST(Guard, ComparesModifiedAndEveryColumnTheWriteSetsAsRead) {
    const QDateTime read(QDate(2026, 3, 4), QTime(10, 20, 30, 500));
    const db::Table t{.name = "t", .key = {"K"}, .columns = {"A", "B"}};
    const db::Table pair{.name = "p", .key = {"K1", "K2"}, .columns = {"A"}, .audit = db::Audit::None};
    const db::Stamp stamp{9, read};
    struct Case {
        const char* what;
        db::EditedRow row;
        QString update, remove;
    };
    const QList<Case> cases{
        {"the whole row, each column read compared",
         {.table = t, .key = 7, .typed = {{"A", 1}}, .read = {{"a", 0}, {"b", "s"}, {"modificado_em", QVariant()}}},
         "update t set A = :a, B = :b, Inserido_Por = :inserido_por, Inserido_Em = :inserido_em, Modificado_Por = "
         ":modificado_por, Modificado_Em = :modificado_em where K = :old_k and (Modificado_Em is not distinct from "
         ":old_modificado_em and A is not distinct from :old_a and B is not distinct from :old_b)",
         "delete from t where K = :old_k and (Modificado_Em is not distinct from :old_modificado_em and A is not "
         "distinct from :old_a and B is not distinct from :old_b)"},
        {"the columns named and the stamp, a stamp read to the millisecond, a column also compared",
         {.table = t,
          .key = 7,
          .columns = {"B"},
          .read = {{"modificado_em", read}, {"a", 1}, {"b", 2}},
          .stamp = stamp,
          .alsoCompared = {"A"}},
         "update t set B = :b, Modificado_Por = :modificado_por, Modificado_Em = :modificado_em where K = :old_k and "
         "(Modificado_Em >= :old_modificado_em_from and Modificado_Em < :old_modificado_em_to and B is not distinct "
         "from :old_b and A is not distinct from :old_a)",
         "delete from t where K = :old_k and (Modificado_Em >= :old_modificado_em_from and Modificado_Em < "
         ":old_modificado_em_to and A is not distinct from :old_a and B is not distinct from :old_b)"},
        {"nothing read: the key alone, with a condition of the statement's own",
         {.table = t, .key = 7, .columns = {"A"}, .condition = {"A < :most", {{"most", 5}}}},
         "update t set A = :a where K = :old_k and (A < :most)",
         "delete from t where K = :old_k and (A < :most)"},
        {"a key of two columns, from the row read",
         {.table = pair, .read = {{"k1", 1}, {"k2", 2}, {"a", 3}}},
         "update p set A = :a where K1 = :old_k1 and K2 = :old_k2 and (A is not distinct from :old_a)",
         "delete from p where K1 = :old_k1 and K2 = :old_k2 and (A is not distinct from :old_a)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(db::updateStatement(c.row).sql, c.update) << c.what;
        EXPECT_EQ(db::deleteStatement(c.row).sql, c.remove) << c.what;
    }
    const db::Statement stamped = db::updateStatement(cases[1].row);
    EXPECT_EQ(stamped.params.value("modificado_por"), 9);
    EXPECT_EQ(stamped.params.value("old_k"), 7);
    EXPECT_EQ(db::updateStatement(cases[3].row).params.value("old_k2"), 2);
    EXPECT_EQ(db::updateStatement(cases[2].row).params.value("most"), 5);

    // The window holds what reads as the value read: its millisecond, the whole second written as stored.
    const QList<std::pair<QTime, std::pair<QString, QString>>> windows{
        {QTime(10, 20, 30, 500), {"2026-03-04 10:20:30.500", "2026-03-04 10:20:30.501"}},
        {QTime(10, 20, 30, 999), {"2026-03-04 10:20:30.999", "2026-03-04 10:20:31"}},
        {QTime(10, 20, 30), {"2026-03-04 10:20:30", "2026-03-04 10:20:30.001"}},
    };
    for (const auto& [time, bounds] : windows) {
        const db::Statement s =
            db::deleteStatement({.table = t, .key = 1, .read = {{"modificado_em", QDateTime(read.date(), time)}}});
        EXPECT_EQ(db::boundDateTime(s.params.value("old_modificado_em_from").toDateTime()), bounds.first);
        EXPECT_EQ(db::boundDateTime(s.params.value("old_modificado_em_to").toDateTime()), bounds.second);
    }
}

class ConcurrencyTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        stamp = db::serverTime();
    }
    // Another workstation's statement with the values in order.
    void other(const QString& sql, const QVariantList& values = {}) {
        OtherWorkstation station;
        QString error;
        ASSERT_TRUE(station.exec(sql, values, &error)) << error.toStdString();
    }
    QDateTime stamp;
};

// An edit read before another workstation saved the same row, within the same second or later, is refused
// and leaves the other's values; a change to a column the edit does not write, or a fraction of a second
// stored by another system, does not stop it.
TEST_F(ConcurrencyTest, AnEditNeverRevertsAnotherWorkstationsChange) {
    struct Case {
        const char* what;
        QString change;  // by the other workstation, on row :id
        bool refused;
    };
    const QList<Case> cases{
        {"nothing", {}, false},
        {"a written column, same second", "update perfil set Descricao = 'OUTRA' where Id_Perfil = ?", true},
        {"the name, same second", "update perfil set Nome = 'OUTRO' where Id_Perfil = ?", true},
        {"a later save", "update perfil set Modificado_Em = ? where Id_Perfil = ?", true},
        {"a column not written", "update perfil set Ind_Status = 'INATIVO' where Id_Perfil = ?", false},
        {"deleted", "delete from perfil where Id_Perfil = ?", true},
    };
    for (int i = 0; i < cases.size(); ++i)
        exec("insert into perfil (Id_Perfil, Nome, Descricao, Modificado_Em) values (:id, 'P', 'D', :em)",
             {{"id", i + 1}, {"em", stamp}});
    db::DataSet profiles;
    profiles.setSql("select * from perfil order by Id_Perfil");
    profiles.setTable({.name = "perfil", .key = {"Id_Perfil"}, .columns = {"Nome", "Descricao"}});
    profiles.open();
    for (int i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        profiles.moveTo(i);
        profiles.edit();
        profiles.setField("Nome", "MINHA");
        profiles.setField("Modificado_Em", stamp);
        if (c.change.contains("Modificado_Em = ?"))
            other(c.change, {stamp.addSecs(1), i + 1});
        else if (!c.change.isEmpty())
            other(c.change, {i + 1});
        if (c.refused) {
            try {
                profiles.post();
                ADD_FAILURE() << c.what;
            } catch (const db::Error& e) {
                EXPECT_EQ(e.kind(), db::Error::Kind::RowChanged) << c.what;
            }
            EXPECT_EQ(profiles.state(), db::DataSet::State::Edit) << c.what;
            profiles.cancel();
        } else {
            EXPECT_NO_THROW(profiles.post()) << c.what;
        }
        const QString stored = db::toText(scalar("select Nome from perfil where Id_Perfil = :id", {{"id", i + 1}}));
        EXPECT_EQ(stored == "MINHA", !c.refused) << c.what;
    }

    // A stamp stored by another system with a fraction of any precision reads in its own second, never
    // rounded into the next one, and the row stays editable; a stamp moved meanwhile is still seen.
    for (const QString fraction : {".4", ".5", ".999", ".9995", ".999999", ".250"}) {
        const QString stored = "2026-03-04 23:59:59" + fraction;
        other("update perfil set Modificado_Em = ? where Id_Perfil = 1", {stored});
        profiles.refresh();
        profiles.moveTo(0);
        EXPECT_EQ(db::toDateTime(profiles.field("Modificado_Em")).toString("yyyy-MM-dd HH:mm:ss"),
                  "2026-03-04 23:59:59")
            << qPrintable(stored);
        profiles.edit();
        profiles.setField("Descricao", "FRACAO" + fraction);
        EXPECT_NO_THROW(profiles.post()) << qPrintable(stored);
        EXPECT_EQ(db::toText(scalar("select Descricao from perfil where Id_Perfil = 1")), "FRACAO" + fraction);

        profiles.edit();
        profiles.setField("Descricao", "OUTRA");
        other("update perfil set Modificado_Em = ? where Id_Perfil = 1", {"2026-03-04 23:59:58" + fraction});
        EXPECT_THROW(profiles.post(), db::Error) << qPrintable(stored);
        profiles.cancel();
    }
}

// Values of every kind the forms read and write back compare equal to what is stored, on both engines.
TEST_F(ConcurrencyTest, RowsWrittenByValuesCompareEveryKindOfValue) {
    exec(
        "insert into endereco (Id_Distrito, NOM_LOGR, NUM_IMOV_LOGR, End_X, End_Y, data_inicial_end, Modificado_Em) "
        "values (1, 'RUA', 10, -46.12345678, 2.5, :d, :em)",
        {{"d", QDateTime(QDate(2020, 1, 2), QTime(0, 0))}, {"em", stamp}});
    const db::RowSet rows = db::run(db::kMain, "select * from endereco", {});
    db::RowValues read = db::rowValues(rows, 0);
    const db::Table address{.name = "endereco",
                            .key = {"Id_Endereco"},
                            .columns = {"Id_Distrito", "NOM_LOGR", "NUM_IMOV_LOGR", "End_X", "End_Y",
                                        "data_inicial_end", "Modificado_Em", "DES_CMPL_ENDR"},
                            .audit = db::Audit::None};
    db::RowValues typed = read;
    typed.insert("des_cmpl_endr", "CASA");
    const QVariant key = read.value("id_endereco");
    EXPECT_NO_THROW(db::updateRow({.table = address, .key = key, .typed = typed, .read = read}));
    EXPECT_EQ(db::toText(scalar("select DES_CMPL_ENDR from endereco")), "CASA");
    // The row now holds "CASA": the same values read before are stale.
    EXPECT_THROW(db::updateRow({.table = address, .key = key, .typed = typed, .read = read}), db::Error);
    EXPECT_THROW(db::deleteRow({.table = address, .key = key, .read = read}), db::Error);
    read.insert("des_cmpl_endr", "CASA");
    EXPECT_NO_THROW(db::deleteRow({.table = address, .key = key, .read = read}));
    EXPECT_EQ(count("endereco"), 0);
}

// While one workstation's save reads a key, the other's waits for it to end, a bounded time, and is then
// refused with a clear message; once the first has ended the second reads the next key.
TEST_F(ConcurrencyTest, KeysFromTwoWorkstationsNeverMeet) {
    EXPECT_THROW(db::nextKey("especie", "Id_Especie"), db::Error) << "only inside the saving transaction";
    db::Settings quick = db::settings();
    quick.busyTimeoutMs = 50;
    db::connectAll(quick);
    // The other workstation's save begins and reads a key, as db::nextKey() does on each engine.
    auto otherReadsAKey = [](OtherWorkstation& station) {
        if (!testingPostgres())
            return station.exec("begin immediate");
        return station.exec("begin") &&
               station.exec("select pg_advisory_xact_lock(hashtext('nextKey'), hashtext('especie'))");
    };
    {
        db::Transaction transaction;
        const int key = db::nextKey("especie", "Id_Especie");
        EXPECT_EQ(key, 1);
        exec("insert into especie (Id_Especie, Nome) values (:k, 'A')", {{"k", key}});
        OtherWorkstation station;
        EXPECT_FALSE(otherReadsAKey(station)) << "the other workstation waits for this save, then gives up";
        station.exec("rollback");
        transaction.commit();
    }
    {
        OtherWorkstation station;
        ASSERT_TRUE(otherReadsAKey(station));
        EXPECT_EQ(station.scalar("select max(Id_Especie) + 1 from especie").toInt(), 2);
        ASSERT_TRUE(station.exec("insert into especie (Id_Especie, Nome) values (2, 'B')"));
        // Meanwhile this workstation's save is refused after its wait, with a clear message.
        try {
            db::Transaction transaction;
            db::nextKey("especie", "Id_Especie");
            ADD_FAILURE() << "a key read while the other workstation's save holds it";
        } catch (const db::Error& e) {
            EXPECT_EQ(e.kind(), db::Error::Kind::Busy);
            EXPECT_EQ(e.text(), db::kBancoEmUso);
        }
        EXPECT_FALSE(db::inTransaction());
        ASSERT_TRUE(station.exec("commit"));
    }
    db::Transaction transaction;
    EXPECT_EQ(db::nextKey("especie", "Id_Especie"), 3);
    EXPECT_EQ(db::nextKey("jornada_trabalho", "controle", "id_profissional = :id", {{"id", 3}}), 1);
}

// A key taken all the same (a row the outside system inserted) is tried once with the next; a second
// conflict is reported as a changed record; a repeated value of another column is the server's refusal.
TEST_F(ConcurrencyTest, AKeyConflictIsRetriedOnce) {
    exec("insert into especie (Id_Especie, Nome) values (1, 'A')");
    auto insert = [this](int key) {
        exec("insert into especie (Id_Especie, Nome) values (:k, :n)", {{"k", key}, {"n", QString("N%1").arg(key)}});
    };
    db::Transaction transaction;
    QList<int> tried;
    const int stale = db::insertWithNewKey(
        "Id_Especie",
        [&] {
            tried << (tried.isEmpty() ? 1 : db::nextKey("especie", "Id_Especie"));
            return tried.last();
        },
        insert);
    EXPECT_EQ(stale, 2);
    EXPECT_EQ(tried, QList<int>({1, 2}));
    try {
        db::insertWithNewKey(
            "Id_Especie", [] { return 1; }, insert);
        ADD_FAILURE() << "a key that stays taken";
    } catch (const db::Error& e) {
        EXPECT_EQ(e.kind(), db::Error::Kind::RowChanged);
        EXPECT_EQ(e.text(), db::kRegistroAlterado);
    }
    if (testingPostgres()) {
        // The outside system inserts the very key without the lock, and commits first.
        EXPECT_EQ(db::insertWithNewKey("especie", "Id_Especie",
                                       [&](int key) {
                                           if (key == 3)
                                               other("insert into especie (Id_Especie, Nome) values (3, 'FORA')");
                                           insert(key);
                                       }),
                  4);
    }
    exec("create unique index ux_especie_nome_test on especie (Nome)");
    try {
        db::insertWithNewKey("especie", "Id_Especie", [this](int key) {
            exec("insert into especie (Id_Especie, Nome) values (:k, 'A')", {{"k", key}});
        });
        ADD_FAILURE() << "a repeated name";
    } catch (const db::Error& e) {
        EXPECT_EQ(e.kind(), db::Error::Kind::KeyConflict);
    }
    exec("drop index ux_especie_nome_test");
    transaction.commit();
    EXPECT_EQ(count("especie"), testingPostgres() ? 4 : 2) << "the transaction went on after each conflict";
}
