// SPDX-License-Identifier: GPL-3.0-or-later
// Bound values, transactions, server keys and time, fold() and the searches, and errors told in Portuguese.
#include "TestDatabase.h"

#include "platform/db/DataSet.h"
#include "platform/db/Schema.h"
#include "platform/db/Search.h"

#include <QSqlDriver>
#include <QSqlQuery>
#include <functional>
#include <optional>

#include <libpq-fe.h>
#include <sys/socket.h>
#include <ctime>

using db::Query;

class Database : public DbTest {};

TEST_F(Database, BoundValuesKeepTheirTypesOnBothEngines) {
    const QDateTime when(QDate(2024, 5, 27), QTime(13, 45, 7));
    Query ins;
    ins << "insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Descricao, Ind_Status, Inserido_Por, Inserido_Em)"
        << "values (:id, :nome, :descricao, :status, :por, :em)";
    ins.bind("id", 7).bind("nome", "CENTRO").bind(":descricao", QVariant()).bind("status", "ATIVO");
    ins.bind("por", 1).bind("em", when);
    EXPECT_EQ(ins.exec(), 1);

    Query q;
    q << "select * from unidade_trabalho where id_unidade_trabalho = :id";
    q.bind("ID", 7);
    q.open();
    ASSERT_EQ(q.rowCount(), 1);
    // Field names match whatever case the engine returns them in.
    EXPECT_EQ(q.integer("ID_UNIDADE_TRABALHO"), 7);
    EXPECT_EQ(q.str("nome"), "CENTRO");
    EXPECT_TRUE(q.value("Descricao").isNull());
    EXPECT_EQ(q.dateTime("Inserido_Em"), when);
    EXPECT_TRUE(q.value("modificado_em").isNull());
    EXPECT_THROW(q.value("no_such_field"), db::Error);

    Query missing;
    missing << "select * from unidade_trabalho where id_unidade_trabalho = :id";
    EXPECT_THROW(missing.open(), db::Error);
}

// Rows may be read from the server's text only when first asked for: they must still be what the driver gives,
// types and nulls included, with stored date-time texts as date-times.
TEST_F(Database, RowsReadAsTheDriverGivesThem) {
    const QDateTime when(QDate(2024, 2, 29), QTime(23, 59, 59));
    exec("insert into tipo_procedimento (Id_Tipo_Procedimento, Nome, Inserido_Por, Inserido_Em) values (1, :n, 5, :w)",
         {{"n", QString::fromUtf8("MARIA D'ÁVILA")}, {"w", when}});
    exec("insert into tipo_procedimento (Id_Tipo_Procedimento) values (2)", {});
    const QString sql =
        "select Id_Tipo_Procedimento, Nome, Inserido_Por, Inserido_Em, Modificado_Em "
        "from tipo_procedimento order by Id_Tipo_Procedimento";
    db::RowSet rows = db::run(db::kMain, sql, {});
    rows.append(QVector<QVariant>(5, QVariant(9)));
    QSqlQuery plain(db::connection(db::kMain));
    ASSERT_TRUE(plain.exec(sql));
    const db::RowSet copy = rows;
    int r = 0;
    for (; plain.next(); ++r) {
        for (int c = 0; c < 5; ++c) {
            QVariant driver = plain.value(c);
            if (c == 3 && !driver.isNull() && driver.typeId() == QMetaType::QString)
                driver = when;
            EXPECT_EQ(copy.row(r)[c].typeId(), driver.typeId()) << r << c;
            EXPECT_EQ(copy.row(r)[c].isNull(), driver.isNull()) << r << c;
            EXPECT_EQ(copy.row(r)[c], driver) << r << c;
            EXPECT_EQ(rows.row(r)[c], driver) << r << c;
        }
    }
    EXPECT_EQ(r, 2);
    EXPECT_EQ(rows.row(0)[3].toDateTime(), when);
    EXPECT_EQ(rows.row(2)[0], QVariant(9));
    // Rows removed and inserted before any was read keep each row its own values.
    db::RowSet fresh = db::run(db::kMain, sql, {});
    fresh.append(QVector<QVariant>(5, QVariant(9)));
    fresh.remove(0);
    fresh.insert(0, QVector<QVariant>(5, QVariant(8)));
    ASSERT_EQ(fresh.count(), 3);
    EXPECT_EQ(fresh.row(0)[0], QVariant(8));
    EXPECT_EQ(fresh.row(1)[0], QVariant(2));
    EXPECT_TRUE(fresh.row(1)[1].isNull());
    EXPECT_EQ(fresh.row(2)[0], QVariant(9));
}

TEST_F(Database, DecimalsAndDatesCompareOnTheServer) {
    exec("insert into receituario_texto_peso (Id_Receituario_Texto_Peso, Peso, Texto) values (1, :p, 'A')",
         {{"p", 12.5}});
    EXPECT_DOUBLE_EQ(db::toNumber(scalar("select Peso from receituario_texto_peso")), 12.5);
    EXPECT_EQ(db::toText(scalar("select Peso from receituario_texto_peso")).left(4), "12,5");

    for (int day = 1; day <= 3; ++day)
        exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Inserido_Em) values (:id, 'U', :em)",
             {{"id", day}, {"em", QDateTime(QDate(2024, 1, day), QTime(10, 0))}});
    EXPECT_EQ(
        db::toInt(scalar("select count(*) from unidade_trabalho where Inserido_Em >= :d", {{"d", QDate(2024, 1, 2)}})),
        2);
    EXPECT_EQ(db::toInt(scalar("select max(Id_Unidade_Trabalho) from unidade_trabalho where Inserido_Em < :d",
                               {{"d", QDateTime(QDate(2024, 1, 2), QTime(10, 0))}})),
              1);
}

TEST_F(Database, HostileTextIsStoredAndFoundAsPlainText) {
    const QString hostile = "O'BRIEN'; DROP TABLE unidade_trabalho; --";
    exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome) values (1, :n)", {{"n", hostile}});
    EXPECT_EQ(db::toText(scalar("select Nome from unidade_trabalho where Nome = :n", {{"n", hostile}})), hostile);
    // Colons and apostrophes inside quoted SQL text are not parameters.
    EXPECT_EQ(db::toText(scalar("select 'a:b '' :c' || :x", {{"x", "!"}})), "a:b ' :c!");
}

TEST_F(Database, FoldIgnoresCaseAndAccentsOnBothEngines) {
    EXPECT_EQ(db::fold("JOSÉ Ção"), "jose cao");
    exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome) values (1, 'SÃO JOSÉ')");
    EXPECT_EQ(
        db::toInt(scalar("select count(*) from unidade_trabalho where fold(Nome) = fold(:n)", {{"n", "sao jose"}})), 1);
    EXPECT_EQ(
        db::toInt(scalar("select count(*) from unidade_trabalho where fold(Nome) like fold(:n)", {{"n", "São%"}})), 1);
}

TEST_F(Database, PrefixAndContainsSearchesFindExactlyWhatWasTyped) {
    const QStringList names{"JOSÉ MARIA", "JOSE", "JOSF", "JOS", "JO%É", "JO_X", "JOAO", "ÿÿ", "ÿ", "zé"};
    for (int i = 0; i < names.size(); ++i)
        exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome) values (:id, :n)",
             {{"id", i + 1}, {"n", names[i]}});
    exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome) values (99, null)");
    auto found = [&](const db::Condition& c) {
        db::Query q;
        q << "select Nome from unidade_trabalho where 1=1";
        q.andWhere(c);
        q << " order by Id_Unidade_Trabalho";
        q.open();
        QStringList all;
        for (q.first(); !q.eof(); q.next())
            all << q.str("Nome");
        return all;
    };
    auto prefix = [&](const QString& typed) { return found(db::foldedPrefix("Nome", "p", typed)); };
    EXPECT_EQ(prefix("josé"), (QStringList{"JOSÉ MARIA", "JOSE"}));
    EXPECT_EQ(prefix("JOS"), (QStringList{"JOSÉ MARIA", "JOSE", "JOSF", "JOS"}));
    EXPECT_EQ(prefix("jo%"), (QStringList{"JO%É"}));
    EXPECT_EQ(prefix("jo_"), (QStringList{"JO_X"}));
    EXPECT_EQ(prefix("ÿ"), (QStringList{"ÿÿ", "ÿ"}));
    EXPECT_EQ(prefix("").size(), names.size());
    EXPECT_EQ(found(db::foldedContains("Nome", "p", "%é")), (QStringList{"JO%É"}));
    EXPECT_EQ(found(db::foldedContains("Nome", "p", "Sé")), (QStringList{"JOSÉ MARIA", "JOSE"}));
    // A beginning as it is, case and accents kept; a text whole, blanks at either end, case and accents aside.
    EXPECT_EQ(found(db::prefixOf("Nome", "p", "JOS")), (QStringList{"JOSÉ MARIA", "JOSE", "JOSF", "JOS"}));
    EXPECT_EQ(found(db::prefixOf("Nome", "p", "JO%")), (QStringList{"JO%É"}));
    EXPECT_EQ(found(db::prefixOf("Nome", "p", "jos")), QStringList{});
    EXPECT_EQ(found(db::foldedEqual("Nome", "p", " josé ")), (QStringList{"JOSE"}));
    EXPECT_EQ(found(db::foldedEqual("Nome", "p", "ZE")), (QStringList{"zé"}));
    EXPECT_TRUE(db::sameText(" Não ", "NAO"));
    EXPECT_FALSE(db::sameText("NAO", "NA O"));
}

TEST_F(Database, TransactionsCommitRollBackAndNeverDangle) {
    db::startTransaction();
    exec("insert into perfil (Id_Perfil, Nome) values (1, 'A')");
    db::rollback();
    EXPECT_EQ(count("perfil"), 0);

    {
        db::Transaction t;
        exec("insert into perfil (Id_Perfil, Nome) values (2, 'B')");
        t.commit();
    }
    EXPECT_EQ(count("perfil"), 1);

    try {
        db::Transaction t;
        exec("insert into perfil (Id_Perfil, Nome) values (3, 'C')");
        exec("insert into perfil (Id_Perfil, Nome) values (2, 'duplicate key')");
        t.commit();
        FAIL() << "duplicate key accepted";
    } catch (const db::Error&) {
        // Expected: the duplicate key fails the insert, and the transaction is rolled back.
    }
    EXPECT_FALSE(db::inTransaction());
    EXPECT_EQ(count("perfil"), 1);
    // Outside a transaction every statement stands at once.
    exec("insert into perfil (Id_Perfil, Nome) values (4, 'D')");
    EXPECT_EQ(count("perfil"), 2);
}

TEST_F(Database, ServerMadeKeysComeBackThroughReturning) {
    Query q;
    q << "insert into usuario (Nome, Login) values (:n, :l) returning Id_Usuario";
    q.bind("n", "A").bind("l", "a");
    q.exec();
    const int first = q.integer("id_usuario");
    q.bind("n", "B").bind("l", "b");
    q.exec();
    EXPECT_EQ(q.integer("ID_USUARIO"), first + 1);
    EXPECT_EQ(db::toText(scalar("select Status_Registro from usuario where Id_Usuario = :id", {{"id", first}})),
              "ATIVO");
}

TEST_F(Database, ServerTimeIsWholeSecondsOfNow) {
    const QDateTime t = db::serverTime();
    EXPECT_EQ(t.time().msec(), 0);
    EXPECT_LT(std::abs(t.secsTo(QDateTime::currentDateTime())), 5);
}

TEST_F(Database, ReadOnlyConnectionsAndCrossDatabaseNames) {
    EXPECT_THROW(db::run(db::kPadrao, "insert into bairro (num_bair, nom_bair) values (1, 'X')", {}), db::Error);
    EXPECT_THROW(db::run(db::kKelvo, "delete from sa001041", {}), db::Error);
    // The main connection reads the street register under its schema name; the forms name the
    // connection in any case.
    EXPECT_NO_THROW(db::run("Banco_NURV", "select count(*) from padrao.bairro", {}));
    EXPECT_NO_THROW(db::run("db_padrao", "select count(*) from bairro", {}));
    EXPECT_THROW(db::connection("OUTRO"), db::Error);
}

TEST(Schema, StatementsSplitAndKeyTokenPerEngine) {
    const QString sql =
        "-- comment\ncreate table a (\n  id @AUTOKEY@,\n  t varchar(5)\n);\n\ninsert into a (t) values ('x;y');\n";
    const QStringList sqlite = db::splitStatements(sql, db::Engine::SQLite);
    ASSERT_EQ(sqlite.size(), 2);
    EXPECT_TRUE(sqlite[0].contains("integer primary key autoincrement"));
    EXPECT_EQ(sqlite[1], "insert into a (t) values ('x;y')");
    EXPECT_TRUE(db::splitStatements(sql, db::Engine::PostgreSQL)[0].contains("generated by default as identity"));
}

// The local zone for the length of a test.
class LocalZone {
public:
    explicit LocalZone(const char* zone) : m_old(qgetenv("TZ")), m_had(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", zone);
        tzset();
    }
    ~LocalZone() {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray m_old;
    bool m_had;
};

TEST_F(Database, StoredDateTimesReadAsQtReadsThemAndMalformedTextStaysText) {
    const QStringList texts = {
        "2024-02-29 00:00:00", "2023-12-31 23:59:59", "2000-01-01 00:00:00", "2018-11-04 00:30:00",
        "2019-02-16 23:30:00",                         // São Paulo: the hour skipped, the hour twice
        "2021-03-28 02:30:00", "2021-10-31 02:30:00",  // Berlin: the same
        "2023-02-29 10:00:00", "2023-13-01 00:00:00", "2023-01-01 24:00:00", "2023-01-01 12:60:00",
        "2023-01-0a 00:00:00", "2023/01/01 00:00:00", "2023-01-01T00:00:00"};
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    for (int i = 0; i < texts.size(); ++i)
        exec("insert into tipo_procedimento (Id_Tipo_Procedimento, Nome) values (:i, :n)", {{"i", i}, {"n", texts[i]}});
    for (const char* zone : {"America/Sao_Paulo", "Europe/Berlin", "UTC"}) {
        LocalZone local(zone);
        Query q;
        q << "select Nome from tipo_procedimento order by Id_Tipo_Procedimento";
        q.open();
        ASSERT_EQ(q.rowCount(), texts.size());
        for (int i = 0; i < texts.size(); ++i) {
            const QDateTime qt = QDateTime::fromString(texts[i], format);
            const QVariant read = q.value(i, "Nome");
            const QString what = QStringLiteral("%1 in %2").arg(texts[i], zone);
            EXPECT_EQ(db::parseStoredDateTimeText(texts[i]).isValid(), qt.isValid()) << qPrintable(what);
            // An hour the clock goes through twice may be either of the two, as the C library's guess falls.
            const bool twice = texts[i] == "2019-02-16 23:30:00" || texts[i] == "2021-10-31 02:30:00";
            if (qt.isValid()) {
                ASSERT_EQ(read.typeId(), QMetaType::QDateTime) << qPrintable(what);
                if (!twice) {
                    EXPECT_EQ(read.toDateTime(), qt) << qPrintable(what);
                }
                EXPECT_EQ(read.toDateTime().toString(format), qt.toString(format)) << qPrintable(what);
                EXPECT_EQ(read.toDateTime().timeSpec(), Qt::LocalTime) << qPrintable(what);
            } else {
                EXPECT_EQ(read, QVariant(texts[i])) << qPrintable(what);
            }
        }
    }
}

TEST_F(Database, FoldIsTheSameOnBothEnginesForEveryCharacterItChanges) {
    // Each character alone, many to a statement, then texts that mix the kinds the server tells apart (plain
    // ASCII, Latin letters with accents, anything else).
    const auto& changed = db::foldedCharacters();
    ASSERT_GT(changed.size(), 3000u);
    constexpr size_t kBatch = 400;
    for (size_t from = 0; from < changed.size(); from += kBatch) {
        QStringList columns;
        QVariantHash values;
        const size_t to = std::min(changed.size(), from + kBatch);
        for (size_t i = from; i < to; ++i) {
            columns << QStringLiteral("fold(:c%1)").arg(i - from);
            values.insert(QStringLiteral("c%1").arg(i - from), QString(QChar(changed[i].character)));
        }
        const db::RowSet row =
            db::run(db::kMain, QStringLiteral("select ") + columns.join(QStringLiteral(", ")), values);
        for (size_t i = from; i < to; ++i) {
            EXPECT_EQ(db::toText(row.row(0)[int(i - from)]), changed[i].folded)
                << "U+" << QString::number(changed[i].character, 16).toStdString();
        }
    }
    for (const QString& text :
         {QStringLiteral("JOSÉ DA CONCEIÇÃO"), QStringLiteral("Ǿle ØRSTED Ærø"), QStringLiteral("ΟΔΥΣΣΕΑΣ Ἀθῆναι"),
          QStringLiteral("ЙОРК ёлка"), QStringLiteral("Nguyễn Thị Hương"), QStringLiteral("한국 Ｆｕｌｌ e\u0301"),
          QStringLiteral("plain ascii 123")}) {
        EXPECT_EQ(db::toText(scalar("select fold(:t)", {{"t", text}})), db::fold(text)) << text.toStdString();
    }
    EXPECT_EQ(db::fold("ȘTEFAN ØRSTED ŁÓDŹ ĐURO Ðór Straße ÆON ŒUF"), "stefan orsted lodz duro dor straße æon œuf");
    exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome) values (1, :n)", {{"n", "ȘTEFAN"}});
    EXPECT_EQ(db::toInt(scalar("select count(*) from unidade_trabalho where fold(Nome) like :p escape '\\'",
                               {{"p", db::likePrefix("stef")}})),
              1);
}

TEST(DatabaseErrors, KnownCausesAreToldAsWhatTheUserCanDo) {
    const struct {
        const char* code;
        const char* text;
        const QString& told;
    } cases[] = {
        {"5", "database is locked", db::kBancoEmUso},
        {"517", "database is locked", db::kBancoEmUso},  // an extended code of the same cause
        {"6", "database table is locked", db::kBancoEmUso},
        {"", "database is locked", db::kBancoEmUso},  // a driver that gives no code
        {"8", "attempt to write a readonly database", db::kBancoSomenteLeitura},
        {"1032", "attempt to write a readonly database", db::kBancoSomenteLeitura},
        {"13", "database or disk is full", db::kBancoDiscoCheio},
        {"", "database or disk is full", db::kBancoDiscoCheio},
        {"53100", "could not extend file \"base/16384/2619\": No space left on device", db::kBancoDiscoCheio},
        {"55P03", "canceling statement due to lock timeout", db::kBancoEmUso},
        {"40P01", "deadlock detected", db::kBancoEmUso},
        {"25006", "cannot execute INSERT in a read-only transaction", db::kBancoSomenteLeitura},
    };
    for (const auto& c : cases)
        EXPECT_EQ(db::knownCause(c.code, c.text), c.told) << c.code << " " << c.text;
    // Everything else keeps the server's own text.
    for (const auto& [code, text] :
         {std::pair{"19", "UNIQUE constraint failed: perfil.Id_Perfil"}, std::pair{"1", "no such table: x"},
          std::pair{"23505", "duplicate key value"}, std::pair{"", "syntax error"}})
        EXPECT_EQ(db::knownCause(code, text), QString()) << code;
}

namespace {

QStringList g_logged;
void keepLogged(QtMsgType, const QMessageLogContext&, const QString& text) { g_logged << text; }

// The user's text and the standard error stream's of a statement that fails.
std::pair<QString, db::Error::Kind> failureOf(const std::function<void()>& statement) {
    g_logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepLogged);
    std::pair<QString, db::Error::Kind> told{QString(), db::Error::Kind::Refused};
    try {
        statement();
    } catch (const db::Error& e) {
        told = {e.text(), e.kind()};
    }
    qInstallMessageHandler(previous);
    return told;
}

}  // namespace

TEST_F(Database, AnotherWorkstationsLockAndAReadOnlyDatabaseAreToldInPortuguese) {
    const QString other = QStringLiteral("another_workstation");
    db::Settings settings = db::settings();
    settings.busyTimeoutMs = 0;  // the lock is met at once, not after waiting for it
    db::connectAll(settings);
    {
        QSqlDatabase workstation = testingPostgres() ? db::addPostgres(settings, other)
                                                     : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), other);
        if (!testingPostgres())
            workstation.setDatabaseName(db::sqliteFile(settings, db::kMain));
        ASSERT_TRUE(workstation.open());
        QSqlQuery hold(workstation);
        // The other workstation is in the middle of writing to the table.
        ASSERT_TRUE(hold.exec(testingPostgres() ? "begin" : "begin immediate"));
        ASSERT_TRUE(hold.exec(testingPostgres() ? "lock table perfil in access exclusive mode"
                                                : "insert into perfil (Id_Perfil, Nome) values (9, 'OUTRA')"));
        if (testingPostgres())
            exec("set lock_timeout = 1");
        const auto locked = failureOf([&] { exec("insert into perfil (Id_Perfil, Nome) values (1, 'A')"); });
        EXPECT_EQ(locked.first, db::kBancoEmUso);
        EXPECT_EQ(locked.second, db::Error::Kind::Busy);
        ASSERT_EQ(g_logged.size(), 1);
        EXPECT_TRUE(g_logged[0].contains(testingPostgres() ? "lock timeout" : "database is locked"))
            << g_logged[0].toStdString();

        // Once it is done, the same insert goes through.
        ASSERT_TRUE(hold.exec("rollback"));
        exec("insert into perfil (Id_Perfil, Nome) values (1, 'A')");
        EXPECT_EQ(count("perfil"), 1);
        if (!testingPostgres()) {
            // A workstation in the middle of reading keeps a commit from finishing: nothing of it stays.
            ASSERT_TRUE(hold.exec("begin"));
            ASSERT_TRUE(hold.exec("select count(*) from perfil") && hold.next());
            const auto commit = failureOf([&] {
                db::Transaction t;
                exec("insert into perfil (Id_Perfil, Nome) values (3, 'C')");
                t.commit();
            });
            EXPECT_EQ(commit.first, db::kBancoEmUso);
            EXPECT_TRUE(g_logged.value(0).contains("Unable to commit transaction")) << g_logged.value(0).toStdString();
            EXPECT_FALSE(db::inTransaction());
            hold.finish();
            ASSERT_TRUE(hold.exec("rollback"));
            EXPECT_EQ(count("perfil"), 1);
        }
        workstation.close();
    }
    QSqlDatabase::removeDatabase(other);

    // A database that only reads: a file the user may only read (SQLite opens it read only), a server in
    // read-only mode.
    if (testingPostgres()) {
        exec("set default_transaction_read_only = on");
    } else {
        QSqlDatabase main = QSqlDatabase::database(db::kMain);
        main.close();
        main.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        ASSERT_TRUE(main.open());
    }
    const auto readOnly = failureOf([&] {
        db::Transaction t;
        exec("insert into perfil (Id_Perfil, Nome) values (2, 'B')");
        t.commit();
    });
    EXPECT_EQ(readOnly.first, db::kBancoSomenteLeitura);
    ASSERT_EQ(g_logged.size(), 1);
    EXPECT_TRUE(g_logged[0].contains(testingPostgres() ? "read-only" : "readonly")) << g_logged[0].toStdString();
    EXPECT_FALSE(db::inTransaction());
    if (testingPostgres())
        exec("set default_transaction_read_only = off");
}

// A server that dies (its sessions' sockets close without a word) or refuses a statement for a cause of its own:
// the user reads the system's Portuguese only, whatever the driver says; the driver's text goes to the standard
// error stream. A session that died is reopened on the next use.
TEST_F(Database, DriversTextsNeverReachTheUser) {
    exec("insert into especie (Id_Especie, Nome) values (1, 'A')");
    const auto failureOf = [](const std::function<void()>& work) -> std::optional<db::Error> {
        try {
            work();
        } catch (const db::Error& e) {
            return e;
        }
        return std::nullopt;
    };
    const auto refused =
        failureOf([] { db::run(db::kMain, "insert into especie (Id_Especie, Nome) values (1, 'B')", {}); });
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->kind(), db::Error::Kind::KeyConflict);
    EXPECT_EQ(refused->text(), db::kErroBanco);
    const auto unknown = failureOf([] { db::run(db::kMain, "select no_such_column from especie", {}); });
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->text(), db::kErroBanco);
    EXPECT_TRUE(unknown->detail().contains("no_such_column")) << unknown->detail().toStdString();

    if (!testingPostgres())
        return;
    const auto dies = [] {
        const QVariant handle = db::connection().driver()->handle();
        ::shutdown(PQsocket(*static_cast<PGconn* const*>(handle.constData())), SHUT_RDWR);
    };
    // Within a statement, at the commit, and at a rollback.
    for (int when = 0; when < 3; ++when) {
        const auto lost = failureOf([&] {
            db::Transaction t;
            db::run(db::kMain, "update especie set Nome = 'C' where Id_Especie = 1", {});
            dies();
            if (when == 0)
                db::run(db::kMain, "update especie set Nome = 'D' where Id_Especie = 1", {});
            else if (when == 1)
                t.commit();
            else
                db::rollback();
        });
        if (when < 2) {
            ASSERT_TRUE(lost) << when;
            EXPECT_EQ(lost->kind(), db::Error::Kind::ConnectionLost) << when;
            EXPECT_EQ(lost->text(), db::kConexaoPerdida) << when;
        } else {
            EXPECT_FALSE(lost) << "a rollback on a dead session has nothing left to undo";
        }
        EXPECT_FALSE(db::inTransaction()) << when;
        EXPECT_EQ(db::toText(scalar("select Nome from especie")), "A") << when;
    }
}
