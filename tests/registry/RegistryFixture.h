// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens the owner and animal register as menu 006 does, over a small street register written into padrao,
// and drives it as an operator would.

#include "TestDatabase.h"
#include "UserInput.h"

#include "common/FormWindows.h"
#include "common/access/FormOpening.h"
#include "common/access/Session.h"
#include "common/register/RegisterForm.h"
#include "platform/db/Database.h"
#include "registry/RegistryForms.h"
#include "registry/address/AddressGroup.h"
#include "registry/address/UEnderecoPesquisa.h"
#include "registry/owner/OwnerPage.h"
#include "registry/register/UPropAnimal.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

// Texts in failure messages as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class RegistryTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        loginAsAdmin();
        registerRegistryForms();
        exec(
            R"(
                insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status)
                values (1, 'UNIDADE CENTRAL', 'ATIVO')
            )");
        exec("insert into distrito (Id_Distrito, Nome, Ind_Status) values (1, 'DS1', 'ATIVO'), (2, 'DS2', 'ATIVO')");
        writePadrao({
            "insert into {p}TipoLogradouro (Tip_Logr, Des_Tip_Logr) values ('R', 'RUA'), ('AV', 'AVENIDA')",
            R"(
                insert into {p}bairro (num_bair, nom_bair, tip_bair, tip_clss_bair)
                values (1, 'CENTRO', 'B', 'P'), (2, 'JARDIM', 'B', 'p'), (3, 'INDUSTRIAL', 'B', 'O')
            )",
            R"(
                insert into {p}logradouro (num_logr, nom_logr)
                values (10, 'DAS FLORES'), (20, 'SETE'), (21, 'SETE'), (30, 'SEM BAIRRO')
            )",
            R"(
                insert into {p}logradouroNome (num_logr, num_sequ_logr, tip_logr, nom_logr)
                values (10, 1, 'R', 'DAS FLORES'), (20, 1, 'AV', 'SETE'), (21, 1, 'R', 'SETE'),
                    (30, 1, 'R', 'SEM BAIRRO')
            )",
            R"(
                insert into {p}pesquisaLograd (num_logr, num_sequ_logr, tip_logr, nom_logr, tip_bair, num_bair,
                    nom_bair, tip_clss_bair, ind_bair_cord)
                values (10, 1, 'R', 'DAS FLORES', 'B', 1, 'CENTRO', 'P', 'N'),
                    (20, 1, 'AV', 'SETE', 'B', 2, 'JARDIM', 'p', 'N'),
                    (21, 1, 'R', 'SETE', 'B', 1, 'CENTRO', 'P', 'N'),
                    (40, 1, 'R', 'DUPLO A', 'B', 1, 'CENTRO', 'P', 'N'),
                    (40, 1, 'R', 'DUPLO B', 'B', 1, 'CENTRO', 'P', 'N')
            )",
            "insert into {p}BairroLogradouro (num_logr, num_bair) values (10, 1), (20, 2), (21, 1), (30, 3)",
            R"(
                insert into {p}cepLogradouro (num_logr, num_cep, ind_lado_logr, num_imov_inic, num_imov_fina)
                values (10, '12345678', 'I', '  1', '  99'), (10, '12345680', 'P', '  2', ' 100'),
                    (10, '12345690', 'I', ' 101', 'abc'), (10, '12345695', 'I', ' 100', ' 200')
            )",
            R"(
                insert into {p}AreaAbrang (cod_area_abrn, des_area_abrn, cod_ditr_sani, sit_regt)
                values (11, 'AREA 11', 1, 'A'), (12, 'AREA 12', 1, 'I'), (21, 'AREA 21', 2, 'A')
            )",
        });
        area = new QMdiArea;
        area->resize(1100, 800);
        area->show();
        setWorkspace(area);
    }

    void TearDown() override {
        if (frmEnderecoPesquisa)
            frmEnderecoPesquisa->close();
        if (frmPropAnimal) {
            frmPropAnimal->ownerPage->cancel();
            area->closeAllSubWindows();
        }
        delete area;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DbTest::TearDown();
    }

    TfrmPropAnimal* open() {
        openerFor("actProprietario_Animal")();
        QCoreApplication::processEvents();
        return frmPropAnimal.data();
    }

    template <class T = QWidget>
    T* child(const QString& name) {
        T* found = frmPropAnimal->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    void trigger(const char* action) { child<QAction>(action)->trigger(); }

    // Clicks the tool button of a page's action.
    void press(const char* toolBar, const char* action) {
        QAction* a = child<QAction>(action);
        auto* button = qobject_cast<QToolButton*>(child<QToolBar>(toolBar)->widgetForAction(a));
        ASSERT_TRUE(button) << action;
        input::clickButton(button);
    }

    void type(const QString& control, const QString& text) {
        auto* edit = child<QLineEdit>(control);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    void pick(const QString& control, const QString& text) {
        auto* combo = child<QComboBox>(control);
        const int i = combo->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }

    static void leave(QWidget* control) {
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(control, &out);
    }
    void leave(const QString& control) { leave(child(control)); }
    void enter(const QString& control) { QTest::keyClick(child(control), Qt::Key_Return); }

    // Types a complete owner into a new or edited row; the address by its street code.
    void fillOwner(const QString& name, const QString& document, const QString& email,
                   const QString& password = "abcdefghij") {
        pick("cbbUnidadeProprietario", "UNIDADE CENTRAL");
        type("dbeNomeProp", name);
        type("dbeTelResidencial", "6133334444");
        type("dbeEmail", email);
        if (child("mkeSenha")->isEnabled())
            type("mkeSenha", password);
        pick("dblDistrito", "DS1");
        type("dbeCodLograd", "10");
        enter("dbeCodLograd");
        pick("dblTipo_Lograd", "RUA");
        type("dbeNumImovel", "51");
        leave("dbeNumImovel");
        pick("dblBairro", "CENTRO");
        type("dbeCPF_CNPJ", document);
    }

    // A new owner saved through the form; answers its id.
    int saveNewOwner(const QString& name, const QString& document, const QString& email) {
        trigger("actAppend");
        fillOwner(name, document, email);
        trigger("actPost");
        return IdProprietarioAtual;
    }

    QString str(const QString& sql, const QVariantHash& params = {}) {
        return db::toText(scalar(sql, params)).trimmed();
    }

    QMdiArea* area = nullptr;
};

inline const QString kCpf1 = QStringLiteral("52998224725");
inline const QString kCpf2 = QStringLiteral("12345678909");
