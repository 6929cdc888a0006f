#include "PromptRecorder.h"

#include "common/Process.h"
#include "common/Session.h"
#include "platform/db/Query.h"
#include "shell/ULogin.h"
#include "shell/UMenuPrincipal.h"
#include "shell/UdtmPrincipal.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        setProcessEndHandler([](int code) { throw ProcessEnded{code}; });
        config = dir.filePath("nurv.conf");
        qputenv("NURV_CONFIG", config.toUtf8());
    }
    void TearDown() override {
        db::disconnectAll();
        qunsetenv("NURV_CONFIG");
        setProcessEndHandler({});
    }
    void writeConfig(const QString& text) {
        QFile f(config);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
    }
    QTemporaryDir dir;
    QString config;
    PromptRecorder prompts;
};

}  // namespace

TEST_F(Startup, UnreachableDatabaseShowsOnlyTheWarningAndEndsTheProcess) {
    writeConfig("[database]\nengine=postgresql\nhost=127.0.0.1\nport=1\nname=nurv\nuser=nurv\n");
    try {
        TdtmPrincipal dtm;
        FAIL() << "started without a database";
    } catch (const ProcessEnded& e) {
        EXPECT_NE(e.code, 0);
    }
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].kind, Prompts::Kind::Warning);
    EXPECT_EQ(prompts.asked[0].text, "Falha na conexão com o banco de dados!");
    EXPECT_FALSE(db::isConnected());
}

TEST_F(Startup, MissingStreetRegisterEndsTheStartTheSameWay) {
    writeConfig("[database]\nengine=sqlite\ndirectory=dados\n");
    { TdtmPrincipal dtm; }
    db::disconnectAll();
    ASSERT_TRUE(QFile::remove(dir.filePath("dados/padrao.db")));
    EXPECT_THROW({ TdtmPrincipal dtm; }, ProcessEnded);
    EXPECT_EQ(prompts.last(), "Falha na conexão com o banco de dados!");
    EXPECT_FALSE(QFile::exists(dir.filePath("dados/padrao.db")));
}

TEST_F(Startup, EmbeddedDefaultIsCreatedOnFirstStartAndReusedOnTheSecond) {
    writeConfig("[database]\nengine=sqlite\ndirectory=dados\n");
    {
        TdtmPrincipal dtm;
        EXPECT_TRUE(QFile::exists(dir.filePath("dados/nurv.db")));
        EXPECT_EQ(db::toText(db::run(db::kMain, "select Login from usuario where Id_Usuario = 1", {}).row(0)[0]), "ADMIN");
        const db::RowSet weeks = db::run(db::kMain,
                                         "select count(*), min(nrideano), max(nrideano) from semana_epidemiologica", {});
        EXPECT_GT(db::toInt(weeks.row(0)[0]), 41 * 52);
        EXPECT_EQ(db::toInt(weeks.row(0)[1]), 2000);
        EXPECT_EQ(db::toInt(weeks.row(0)[2]), 2040);
        db::run(db::kMain, "insert into perfil (Id_Perfil, Nome) values (77, 'MARCA')", {});
        // The formats are fixed whatever the machine says.
        EXPECT_EQ(QLocale().toString(2.5, 'f', 1), "2,5");
    }
    db::disconnectAll();
    {
        TdtmPrincipal dtm;
        EXPECT_EQ(db::toInt(db::run(db::kMain, "select count(*) from perfil where Id_Perfil = 77", {}).row(0)[0]), 1);
    }
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(Startup, FirstUserOfTheEmbeddedDefaultLogsIn) {
    writeConfig("[database]\nengine=sqlite\ndirectory=dados\n");
    TdtmPrincipal dtm;
    TfrmMenuPrincipal main;
    frmMenuPrincipal = &main;
    TfrmLogin_2 login;
    login.FormShow();
    auto* unidade = login.findChild<QComboBox*>("dblUnidade");
    ASSERT_GE(unidade->count(), 1);
    unidade->setCurrentIndex(0);
    emit unidade->activated(0);
    auto* usuario = login.findChild<QComboBox*>("dblUsuario");
    const int admin = usuario->findText("ADMINISTRADOR");
    ASSERT_GE(admin, 0);
    usuario->setCurrentIndex(admin);
    emit usuario->activated(admin);
    QTest::keyClicks(login.findChild<QLineEdit*>("edtSenha"), "NURV");
    login.findChild<QPushButton*>("bmpOK")->click();
    EXPECT_TRUE(login.succeeded()) << prompts.last().toStdString();
    EXPECT_EQ(PerfilLogado, "1000");
    EXPECT_TRUE(main.action("actExtratorTabelasSistema")->isEnabled());
}
