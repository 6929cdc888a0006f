#include "TestDatabase.h"

#include "platform/db/DataSet.h"

#include <QSignalSpy>

using db::DataSet;

class DataSetTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        for (int i = 1; i <= 3; ++i)
            exec("insert into perfil (Id_Perfil, Nome, Ind_Status) values (:id, :n, 'ATIVO')",
                 {{"id", i}, {"n", QString("PERFIL %1").arg(i)}});
        ds.setSql("select * from perfil order by Id_Perfil");
        ds.setUpdateSql("insert into perfil (Id_Perfil, Nome, Ind_Status) values (:Id_Perfil, :Nome, :Ind_Status)",
                        "update perfil set Id_Perfil = :Id_Perfil, Nome = :Nome where Id_Perfil = :OLD_Id_Perfil");
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

TEST(WithCondition, JoinsTheStatementsOwnWhereClause) {
    EXPECT_EQ(db::withCondition("update t set a = :a where k = :old_k ", "m = 1"),
              "update t set a = :a where (k = :old_k) and m = 1");
    EXPECT_EQ(db::withCondition("update t set a = (select b from u where u.k = t.k), c = 'where' WHERE k = 1 or k = 2 "
                                "returning a", "m = 1"),
              "update t set a = (select b from u where u.k = t.k), c = 'where' where (k = 1 or k = 2) and m = 1 "
              "returning a");
}

// A rollback takes back the posts of its transaction: the row is inserted again as typed, without the key
// the server returned, so that another try inserts it once.
TEST_F(DataSetTest, PostsStandOnlyWhenTheirTransactionCommits) {
    DataSet users;
    users.setSql("select * from usuario where 1=2");
    users.setUpdateSql("insert into usuario (Nome) values (:Nome) returning Id_Usuario", "");
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
