// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The availability map opened as the menu opens it, over a few units, the surgery procedure and two
// species, with helpers to type a slot and read the published rows back as the web system would.

#include "TestDatabase.h"

#include "availability/AvailabilityForms.h"
#include "availability/MapaPrincipalPage.h"
#include "availability/UMapaDisponibilidade.h"
#include "common/access/FormOpening.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

// Texts in failure messages as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class MapaTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        loginAsAdmin();
        registerAvailabilityForms();
        for (auto [id, name] :
             std::initializer_list<std::pair<int, const char*>>{{1, "CENTRO"}, {2, "NORTE"}, {3, "SUL"}, {4, "LESTE"}})
            exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status) values (:id, :n, 'ATIVO')",
                 {{"id", id}, {"n", name}});
        exec(
            R"(
                insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status)
                values (9, 'NÍVEL CENTRAL', 'ATIVO')
            )");
        exec(
            "insert into tipo_procedimento (Id_Tipo_Procedimento, Nome, Ind_Status) values (12, 'Castração', 'ATIVO')");
        exec("insert into especie (Id_Especie, Nome, Ind_Status) values (1, 'Canina', 'ATIVO')");
        exec("insert into especie (Id_Especie, Nome, Ind_Status) values (2, 'Felina', 'ATIVO')");
    }

    void TearDown() override {
        deleteTopLevelWindows();
        DbTest::TearDown();
    }

    TfrmMapaDisponibilidade* openMapa() {
        openerFor("actMapaDisponibilidade")();
        return frmMapaDisponibilidade;
    }

    static void click(QWidget* form, const char* button) {
        auto* b = form->findChild<QPushButton*>(button);
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }

    static void pick(QComboBox* combo, const QString& text) {
        const int i = combo->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        combo->setCurrentIndex(i);
    }

    // Selects a day on the calendar as a click would.
    static void chooseDay(TfrmMapaDisponibilidade* f, const QDate& day) {
        f->mainPage->calData->setSelectedDate(day);
        emit f->mainPage->calData->clicked(day);
    }

    // "Novas vagas" and the slot typed into the editor (not saved).
    static void typeSlot(TfrmMapaDisponibilidade* f, const QString& unit, const QString& species, const QString& hour,
                         const QString& general, const QString& female) {
        click(f, "bmpNovaVaga");
        pick(f->mainPage->dblUnidade_trabalho, unit);
        pick(f->mainPage->dblProcedimento, "CASTRAÇÃO");
        pick(f->mainPage->dblEspecie, species);
        f->mainPage->mkeHora->setText(hour);
        f->mainPage->mkeVagaGeral->setText(general);
        f->mainPage->mkeVagaFemea->setText(female);
    }

    // A published slot written straight into the table, as if saved earlier.
    void addSlot(int id, int unit, int species, const QDateTime& when, int general, int female, int usedGeneral = 0,
                 int usedFemale = 0) {
        exec(
            R"(
                insert into Mapa_disponibilidade_agenda (Id_Mapa_disponibilidade_agenda, Id_unidade_trabalho,
                    Id_tipo_procedimento, Id_Especie, Data_hora_disponibilidade, Qt_vaga_disponivel_geral,
                    Qt_vaga_disp_f_grande_porte, Qt_vaga_usada_geral, Qt_vaga_usada_f_grande_porte)
                values (:id, :u, 12, :e, :d, :g, :f, :ug, :uf)
            )",
            {{"id", id},
             {"u", unit},
             {"e", species},
             {"d", when},
             {"g", general},
             {"f", female},
             {"ug", usedGeneral},
             {"uf", usedFemale}});
    }

    // Published slots as the web system reads them: key, unit, species, date-hour, offered and used counts, area.
    QStringList published() {
        const db::RowSet rows = db::run(db::kMain,
                                        R"(
                                            select Id_Mapa_disponibilidade_agenda, Id_unidade_trabalho, Id_Especie,
                                                Data_hora_disponibilidade, Qt_vaga_disponivel_geral,
                                                Qt_vaga_disp_f_grande_porte, Qt_vaga_usada_geral,
                                                Qt_vaga_usada_f_grande_porte, COD_AREA_ABRN, Id_tipo_procedimento
                                            from Mapa_disponibilidade_agenda
                                            order by Id_Mapa_disponibilidade_agenda
                                        )",
                                        {});
        QStringList out;
        for (int i = 0; i < rows.count(); ++i) {
            QStringList cells;
            for (int c = 0; c < 9; ++c) {
                const QVariant v = rows.row(i)[c];
                cells << (v.isNull() ? QStringLiteral("null")
                          : c == 3   ? db::toDateTime(v).toString("dd/MM/yyyy HH:mm")
                                     : db::toText(v));
            }
            out << cells.join(' ');
        }
        return out;
    }

    // A coverage area in the street register (read only for the system, so written here through a side door).
    void addArea(int code, const QString& name, int district) {
        const QString sql =
            R"(
                insert into %1AreaAbrang (COD_AREA_ABRN, DES_AREA_ABRN, COD_DITR_SANI, SIT_REGT)
                values (%2, '%3', %4, 'A')
            )";
        if (testingPostgres()) {
            exec(sql.arg("padrao.").arg(code).arg(name).arg(district));
            return;
        }
        {
            QSqlDatabase side = QSqlDatabase::addDatabase("QSQLITE", "padrao_seed");
            side.setDatabaseName(db::sqliteFile(db::settings(), db::kPadrao));
            ASSERT_TRUE(side.open());
            QSqlQuery q(side);
            ASSERT_TRUE(q.exec(sql.arg("").arg(code).arg(name).arg(district))) << q.lastError().text().toStdString();
            side.close();
        }
        QSqlDatabase::removeDatabase("padrao_seed");
    }

    QString str(const QString& sql) { return db::toText(scalar(sql)).trimmed(); }

    const QDate day{2026, 3, 10};
};
