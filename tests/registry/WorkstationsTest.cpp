// SPDX-License-Identifier: GPL-3.0-or-later
// The owner and animal register under two workstations: a change saved meanwhile by the other is never
// reverted, and an owner saved by the other with the same document, e-mail or login while this one's save
// waits is refused with the typed owner kept.
#include "AnimalFixture.h"

#include "common/access/PasswordDigest.h"
#include "common/rules/Documents.h"
#include "registry/animal/AnimalPage.h"
#include "registry/owner/OwnerRules.h"

#include <sqlite3.h>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlDriver>
#include <future>
#include <thread>

using namespace common;
using namespace registry;

// Each row the owner and animal pages write back, changed by another workstation within the same second
// (its Modificado_Em untouched) between the form's read and its save: the save is refused with the typed
// values kept and the other's change stays; read again, the same edit saves.
TEST_F(AnimalTest, AnotherWorkstationsChangeIsNeverReverted) {
    open();
    const int owner = saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
    saveNewAnimal("REX");
    const int animal = scalar("select max(id_animal) from animal").toInt();
    const int ownerAddress =
        scalar("select id_endereco from proprietario where id_proprietario = :o", {{"o", owner}}).toInt();
    const int animalAddress = scalar("select max(id_endereco) from endereco_animal").toInt();
    struct Case {
        const char* what;
        QString change, stored;  // by the other workstation, and what it stored, of row :id
        int id;
        bool animalSide;
    };
    const QList<Case> cases{
        {"owner", "update proprietario set Num_CI = 'OUTRO' where id_proprietario = ?",
         "select Num_CI from proprietario where id_proprietario = :id", owner, false},
        {"owner's address", "update endereco set DES_CMPL_ENDR = 'OUTRO' where id_endereco = ?",
         "select DES_CMPL_ENDR from endereco where id_endereco = :id", ownerAddress, false},
        {"web account", "update usuario set Email_usu = 'OUTRO' where id_proprietario = ?",
         "select Email_usu from usuario where id_proprietario = :id", owner, false},
        {"web account of the outside system",
         "insert into usuario (Login, Nome, Email_usu, Id_proprietario) values ('W', 'W', 'OUTRO', ?)",
         "select Email_usu from usuario where Login = 'W' and id_proprietario = :id", owner, false},
        {"animal", "update animal set Cor = 'OUTRO' where id_animal = ?",
         "select Cor from animal where id_animal = :id", animal, true},
        {"animal's address", "update endereco set DES_CMPL_ENDR = 'OUTRO' where id_endereco = ?",
         "select DES_CMPL_ENDR from endereco where id_endereco = :id", animalAddress, true},
    };
    for (const Case& c : cases) {
        frmPropAnimal->openOwner(owner, animal);
        const char* edit = c.animalSide ? "actAnimalAlterar" : "actEdit";
        const char* post = c.animalSide ? "actAnimalGravar" : "actPost";
        const QString name = c.animalSide ? "dbeNomeAnimal" : "dbeNomeProp";
        const QString typed = c.animalSide ? "REX II" : "MARIA DE SOUZA";
        db::DataSet* edited = c.animalSide ? frmPropAnimal->qryAnimal : frmPropAnimal->qryProprietario;
        trigger(edit);
        type(name, typed);
        {
            OtherWorkstation station;
            QString error;
            ASSERT_TRUE(station.exec(c.change, {c.id}, &error)) << error.toStdString();
        }
        prompts.clear();
        prompts.confirmations = {true};
        trigger(post);
        EXPECT_EQ(prompts.last(), db::kRegistroAlterado) << c.what;
        EXPECT_EQ(edited->state(), db::DataSet::State::Edit) << c.what;
        EXPECT_EQ(child<QLineEdit>(name)->text(), typed) << c.what;
        EXPECT_EQ(str(c.stored, {{"id", c.id}}), "OUTRO") << c.what;
        EXPECT_EQ(str("select Nome from proprietario"), "MARIA DA SILVA") << c.what;
        EXPECT_EQ(str("select Nome from animal"), "REX") << c.what;
        trigger(c.animalSide ? "actAnimalCancelar" : "actCancel");
    }
    exec("delete from usuario where Login = 'W'");

    // Read again, the same edits save and keep what the other workstation stored.
    frmPropAnimal->openOwner(owner, animal);
    trigger("actEdit");
    type("dbeNomeProp", "MARIA DE SOUZA");
    trigger("actPost");
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    trigger("actAnimalAlterar");
    type("dbeNomeAnimal", "REX II");
    prompts.confirmations = {true};
    trigger("actAnimalGravar");
    EXPECT_EQ(prompts.last(), kOperacaoRealizada);
    EXPECT_EQ(str("select Nome || '/' || Num_CI from proprietario"), "MARIA DE SOUZA/OUTRO");
    EXPECT_EQ(str("select Nome || '/' || Cor from animal"), "REX II/OUTRO");
    EXPECT_EQ(str("select Email_usu from usuario where id_proprietario = :o", {{"o", owner}}), "maria@mail.com");
}

// Stamps that another system wrote with a fraction of a second of any precision on the owner, its address and its
// web account: the owner stays editable through the form, the fraction read never rounded into the next second
// where the guard of the edit would never find the row again.
TEST_F(RegistryTest, StampsWithAFractionOfAnyPrecisionStayEditable) {
    open();
    const int owner = saveNewOwner("MARIA DA SILVA", kCpf1, "maria@mail.com");
    const QVariant address = scalar("select id_endereco from proprietario where id_proprietario = :o", {{"o", owner}});
    const QStringList fractions{".4", ".5", ".999", ".9995", ".999999"};
    for (int i = 0; i < fractions.size(); ++i) {
        const QString stamp = "2026-03-04 23:59:59" + fractions[i];
        {
            OtherWorkstation station;
            QString error;
            for (const auto& [sql, id] :
                 {std::pair{QString("update proprietario set Modificado_Em = ? where id_proprietario = ?"),
                            QVariant(owner)},
                  std::pair{QString("update endereco set Modificado_Em = ? where id_endereco = ?"), address},
                  std::pair{QString("update usuario set Modificado_Em = ? where id_proprietario = ?"),
                            QVariant(owner)}})
                ASSERT_TRUE(station.exec(sql, {stamp, id}, &error)) << error.toStdString();
        }
        frmPropAnimal->openOwner(owner);
        trigger("actEdit");
        const QString name = "MARIA DA SILVA " + QString(QChar('A' + i));
        type("dbeNomeProp", name);
        prompts.clear();
        trigger("actPost");
        EXPECT_EQ(prompts.texts(), QStringList{kOperacaoRealizada}) << qPrintable(stamp);
        EXPECT_EQ(str("select Nome from proprietario"), name) << qPrintable(stamp);
        EXPECT_EQ(str("select Nome from usuario where id_proprietario = :o", {{"o", owner}}), name)
            << qPrintable(stamp);
    }
}

namespace {

// Another workstation saving an owner on a thread of its own: it holds what its save holds (SQLite's write
// lock; PostgreSQL's locks of the document, e-mail and login), writes its row, and commits only once this
// workstation's save is waiting for it.
class RacingSave {
public:
    RacingSave(QString sql, QVariantList values, QString document, QString email)
        : m_thread([this, sql = std::move(sql), values = std::move(values), document = std::move(document),
                    email = std::move(email)] { run(sql, values, document, email); }) {
        m_ready.get_future().wait();
        if (!testingPostgres()) {
            // SQLite calls the busy handler of the waiting connection: that is when the other commits.
            m_raw = *static_cast<sqlite3* const*>(db::connection().driver()->handle().data());
            sqlite3_busy_handler(m_raw, &RacingSave::busy, this);
        }
    }
    ~RacingSave() {
        if (!m_woken)
            m_commitNow.set_value();
        m_thread.join();
        if (m_raw)
            sqlite3_busy_timeout(m_raw, db::settings().busyTimeoutMs);
    }

private:
    static int busy(void* self, int) {
        auto* race = static_cast<RacingSave*>(self);
        if (!race->m_woken) {
            race->m_woken = true;
            race->m_commitNow.set_value();
            race->m_committed.get_future().wait();
        }
        return 1;
    }

    void run(const QString& sql, const QVariantList& values, const QString& document, const QString& email) {
        {
            OtherWorkstation station(5000);
            if (testingPostgres()) {
                station.exec("begin");
                for (const auto& [kind, value] :
                     {std::pair{QString("Num_CPF_CNPJ"), document}, std::pair{QString("Email"), db::fold(email)},
                      std::pair{QString("Login"), db::fold(document)}})
                    station.exec("select pg_advisory_xact_lock(hashtext(?), hashtext(?))", {kind, value});
            } else {
                station.exec("begin immediate");
            }
            station.exec(sql, values);
            m_ready.set_value();
            auto commitNow = m_commitNow.get_future();
            if (testingPostgres()) {
                // Commits once this workstation's save waits for one of the locks.
                QElapsedTimer bound;
                bound.start();
                while (station.scalar("select count(*) from pg_locks where locktype = 'advisory' and not granted")
                               .toInt() == 0 &&
                       bound.elapsed() < 10000) {
                }
            } else {
                commitNow.wait_for(std::chrono::seconds(10));
            }
            station.exec("commit");
        }
        m_committed.set_value();
    }

    std::promise<void> m_ready, m_commitNow, m_committed;
    bool m_woken = false;
    sqlite3* m_raw = nullptr;
    std::thread m_thread;
};

}  // namespace

// The other workstation's owner is not yet stored when this one's checks run, and is stored while this
// one's save waits for it: the save finds it, refuses with the check's own message and keeps the typed owner;
// also when it was written in the web system's spellings.
TEST_F(RegistryTest, AnOwnerSavedMeanwhileWithTheSameDocumentEmailOrLoginIsRefused) {
    open();
    struct Case {
        const char* what;
        QString sql;
        QVariantList values;
        QString document, email, message;
    };
    const QString insertOwner =
        R"(
            insert into proprietario (Nome, Num_CPF_CNPJ, Email_Proprietario, Status_Registro)
            values ('OUTRO DONO', ?, ?, ?)
        )";
    const QString insertUser = "insert into usuario (Login, Nome, Status_Registro) values (?, 'OPERADOR', ?)";
    const QList<Case> cases{
        {"document", insertOwner, {kCpf1, "outro@mail.com", "ATIVO"}, kCpf1, "ana@mail.com", kDocumentoCadastrado},
        {"e-mail", insertOwner, {"11144477735", "ana@mail.com", "ATIVO"}, kCpf1, "ana@mail.com", kEmailCadastrado},
        {"login", insertUser, {kCpf1, "ATIVO"}, kCpf1, "ana@mail.com", kUsuarioCadastrado},
        // As the web system writes them.
        {"document punctuated",
         insertOwner,
         {"529.982.247-25", "outro@mail.com", " ativo"},
         kCpf1,
         "ana@mail.com",
         kDocumentoCadastrado},
        {"e-mail in capitals",
         insertOwner,
         {"11144477735", " ANA@Mail.com", "Ativo "},
         kCpf1,
         "ana@mail.com",
         kEmailCadastrado},
        {"login of a lower-case status", insertUser, {kCpf1, "ativo"}, kCpf1, "ana@mail.com", kUsuarioCadastrado},
    };
    for (const Case& c : cases) {
        trigger("actAppend");
        fillOwner("ANA LIMA", c.document, c.email);
        prompts.clear();
        {
            RacingSave other(c.sql, c.values, c.document, c.email);
            trigger("actPost");
        }
        EXPECT_EQ(prompts.texts(), QStringList{c.message}) << c.what;
        EXPECT_EQ(frmPropAnimal->qryProprietario->state(), db::DataSet::State::Insert) << c.what;
        EXPECT_EQ(child<QLineEdit>("dbeNomeProp")->text(), "ANA LIMA") << c.what;
        EXPECT_EQ(count("proprietario where Nome = 'ANA LIMA'"), 0) << c.what;
        EXPECT_EQ(count("usuario where Nome = 'ANA LIMA'"), 0) << c.what;
        trigger("actCancel");
        exec("delete from proprietario");
        exec("delete from usuario");
    }
}

// Active web accounts that the web system left with a document's login, one of an owner it deleted and one of an
// owner now inactive, never block that person: the new owner's save takes the first over (its owner link and
// password replaced) and makes the other inactive, so that one active account of the login remains, and the
// e-mail that account holds is no other person's. An edit of the owner retires such an account that appears
// later. The login of another active owner's account still refuses.
TEST_F(RegistryTest, AccountsLeftByOwnersGoneAreTakenOverByTheOwnerOfTheirDocument) {
    open();
    exec("insert into proprietario (Nome, Num_CPF_CNPJ, Status_Registro) values ('ANTIGA', :d, 'inativo')",
         {{"d", kCpf1}});
    const int inactive = scalar("select max(Id_Proprietario) from proprietario").toInt();
    const auto webAccount = [](const QString& login, const QString& status, const QVariant& owner) {
        OtherWorkstation station;
        QString error;
        EXPECT_TRUE(station.exec(R"(
            insert into usuario (Login, Nome, Status_Registro, Id_proprietario, Email_usu, senha_crip)
            values (?, 'ANA WEB', ?, ?, 'ana@mail.com', 'antiga')
        )",
                                 {login, status, owner}, &error))
            << error.toStdString();
        return station.scalar("select max(Id_Usuario) from usuario").toInt();
    };
    const int gone = webAccount(kCpf1, "ATIVO", 9999);
    const int ofInactive = webAccount(" " + kCpf1, "ativo ", inactive);

    trigger("actAppend");
    fillOwner("ANA LIMA", kCpf1, "ana@mail.com");
    prompts.clear();
    trigger("actPost");
    EXPECT_EQ(prompts.texts(), QStringList{kProprietarioCadastrado});
    const int owner = IdProprietarioAtual;
    EXPECT_EQ(str("select Id_proprietario || '/' || senha_crip from usuario where Id_Usuario = :u", {{"u", gone}}),
              QString::number(owner) + "/" + GeraHashSenha("abcdefghij"));
    EXPECT_EQ(str("select id_usu_web from proprietario where id_proprietario = :o", {{"o", owner}}),
              QString::number(gone));
    EXPECT_EQ(str("select Status_Registro from usuario where Id_Usuario = :u", {{"u", ofInactive}}), "INATIVO");
    EXPECT_EQ(count("usuario where trim(Login) = '" + kCpf1 + "'"), 2) << "no account made beside them";

    // Another such account that appears later is retired by the owner's next save.
    const int later = webAccount(kCpf1, "ATIVO", 9998);
    frmPropAnimal->openOwner(owner);
    trigger("actEdit");
    type("dbeNomeProp", "ANA LIMA SOUZA");
    prompts.clear();
    trigger("actPost");
    EXPECT_EQ(prompts.texts(), QStringList{kOperacaoRealizada});
    EXPECT_EQ(str("select Status_Registro from usuario where Id_Usuario = :u", {{"u", later}}), "INATIVO");
    EXPECT_EQ(
        str("select upper(trim(Status_Registro)) || '/' || Nome from usuario where Id_Usuario = :u", {{"u", gone}}),
        "ATIVO/ANA LIMA SOUZA");

    // An account of another active owner keeps its login.
    exec("insert into proprietario (Nome, Num_CPF_CNPJ, Status_Registro) values ('OUTRA', '11144477735', 'ATIVO')");
    webAccount(kCpf2, "ATIVO", scalar("select max(Id_Proprietario) from proprietario"));
    trigger("actAppend");
    fillOwner("BIA LIMA", kCpf2, "bia@mail.com");
    prompts.clear();
    trigger("actPost");
    EXPECT_EQ(prompts.texts(), QStringList{kUsuarioCadastrado});
    EXPECT_EQ(count("proprietario where Nome = 'BIA LIMA'"), 0);
}

namespace {

// A child process of the race, answering one line per step.
class RaceChild {
public:
    RaceChild(const QString& database, const QString& document) {
        m_process.start(NURV_OWNER_RACE_CHILD, {database, document});
        EXPECT_TRUE(m_process.waitForStarted());
    }
    ~RaceChild() {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(60000))
            m_process.kill();
    }
    QString line() {
        while (!m_process.canReadLine() && m_process.waitForReadyRead(30000)) {
        }
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }
    void say(const QString& line) { m_process.write((line + QLatin1Char('\n')).toUtf8()); }
    QString errors() { return QString::fromUtf8(m_process.readAllStandardError()); }

private:
    QProcess m_process;
};

}  // namespace

// Two processes save a new owner with one document at the same moment, twenty times, each having passed the
// checks before either saves, while the web system registers people in its own spellings (the document
// punctuated or padded, the e-mail in capitals, statuses in lower case or padded) beside them. Each time one owner
// and one web login are stored and the other save is refused; when the web system registered, after both checks,
// a person of the same document or e-mail, both saves are refused. No document, login or e-mail is left twice among
// the active rows.
TEST_F(RegistryTest, TwoProcessesSavingOneDocumentStoreOneOwner) {
    const QString where = testingPostgres() ? db::settings().database : db::settings().directory;
    RaceChild web(where, "web");
    ASSERT_EQ(web.line(), "ready") << web.errors().toStdString();
    for (int round = 0; round < 21; ++round) {
        QString document;
        for (int digits = 0; !ValidaCPF(document); ++digits)
            document = QString("9%1%2").arg(round, 8, 10, QChar('0')).arg(digits, 2, 10, QChar('0'));
        const QString email = document + "@mail.com";
        const QString other = QString("8%1").arg(round, 10, 10, QChar('0'));
        // The web system registers this document, or this e-mail, or someone else.
        const QString person = QStringList{document + " web" + other + "@mail.com", other + " " + email,
                                           other + " web" + other + "@mail.com"}[round % 3];
        const QStringList expected =
            round % 3 == 2 ? QStringList{"refused", "saved"} : QStringList{"refused", "refused"};
        RaceChild first(where, document), second(where, document);
        // Both connected, then both past the checks made before the save's transaction, then both saving.
        for (const char* step : {"ready", "checked"}) {
            for (RaceChild* child : {&first, &second})
                ASSERT_EQ(child->line(), step) << child->errors().toStdString();
            if (QByteArray(step) == "checked") {
                web.say(person);
                ASSERT_EQ(web.line(), "written") << web.errors().toStdString();
            }
            for (RaceChild* child : {&first, &second})
                child->say("go");
        }
        QStringList outputs{first.line(), second.line()};
        outputs.sort();
        EXPECT_EQ(outputs, expected) << "round " << round;
    }
    const QString key = documentKeySql("Num_CPF_CNPJ");
    for (const auto& [what, sql] : {std::pair{"document", QString(R"(
        select %1
        from proprietario
        where fold(trim(Status_Registro)) = 'ativo'
        group by %1
        having count(*) > 1
    )")
                                                              .arg(key)},
                                    std::pair{"e-mail", QString(R"(
                                        select fold(trim(Email_Proprietario))
                                        from proprietario
                                        where fold(trim(Status_Registro)) = 'ativo'
                                        group by fold(trim(Email_Proprietario))
                                        having count(*) > 1
                                    )")},
                                    std::pair{"login", QString(R"(
                                        select fold(trim(Login))
                                        from usuario
                                        where fold(trim(Status_Registro)) = 'ativo'
                                        group by fold(trim(Login))
                                        having count(*) > 1
                                    )")}})
        EXPECT_EQ(db::run(db::kMain, sql, {}).count(), 0) << what;
    EXPECT_EQ(count(QString("proprietario where %1 like '9%'").arg(key)), 14);  // saved, and registered on the web
    EXPECT_EQ(count("usuario"), 28);
}
