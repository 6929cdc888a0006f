// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A logged-in session (user 1 of unit 1), a main window's MDI area, a few units, statuses, owners and
// animals, and helpers to drive the attendance booking form as a user would.

#include "TestDatabase.h"
#include "UserInput.h"

#include "common/FormWindows.h"
#include "common/access/Session.h"
#include "platform/ui/DateEdit.h"
#include "scheduling/booking/UAgendaNovoAtendimento.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>

class SchedulingTest : public DbTest {
protected:
    static constexpr int kAna = 10, kBruno = 11, kRex = 100, kMimi = 101, kToto = 110;
    const QDate day{2026, 3, 10};

    void SetUp() override {
        DbTest::SetUp();
        loginAsAdmin();
        qputenv("NURV_CONFIG", "/nonexistent/nurv.conf");
        m_area = new QMdiArea;
        setWorkspace(m_area);
        exec(
            R"(
                insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Descricao, Ind_Status)
                values (1, 'CENTRAL', 'Rua Um, 1', 'ATIVO'), (2, 'NORTE', 'Av. Norte, 200', null),
                    (3, 'VELHA', 'Rua Velha', 'Inativo ')
            )");
        exec("insert into atendimento_status (Id_Atendimento_Status, Nome) values (1, 'AGENDADO '), (2, 'CANCELADO')");
        exec("insert into especie (Id_Especie, Nome) values (1, 'CANINA')");
        exec(
            R"(
                insert into proprietario (Id_Proprietario, Nome, id_Unidade_Trabalho, Status_Registro)
                values (10, 'ANA', 2, 'ATIVO'), (11, 'BRUNO', 3, 'ATIVO')
            )");
        exec(
            R"(
                insert into animal (Id_Animal, Id_Proprietario, Id_Especie, Nome, Esterilizado)
                values (100, 10, 1, 'REX', 'NAO'), (101, 10, 1, 'MIMI', null), (110, 11, 1, 'TOTO', 'NAO')
            )");
    }

    void TearDown() override {
        deleteTopLevelWindows();
        setWorkspace(nullptr);
        ModoAgendamento = 0;
        ProprietarioAgendamento.clear();
        AnimalAgendamento.clear();
        qunsetenv("NURV_CONFIG");
        DbTest::TearDown();
    }

    static void trigger(QWidget* form, const char* action) {
        QAction* a = form->findChild<QAction*>(action);
        ASSERT_NE(a, nullptr) << action;
        ASSERT_TRUE(a->isEnabled()) << action;
        a->trigger();
    }

    // Picks the item of that text as a user would; false when the combo does not offer it.
    static bool choose(QComboBox* combo, const QString& text) {
        const int i = combo->findText(text);
        if (i < 0)
            return false;
        combo->setCurrentIndex(i);
        emit combo->activated(i);
        return true;
    }

    // An attendance already stored, as the agenda would find it.
    int addAttendance(int owner, int animal, const QDateTime& when, int status = 1, int unit = 2) {
        const db::RowSet r = db::run(db::kMain,
                                     R"(
                                         insert into atendimento (Id_Proprietario, Id_Animal, Id_Unidade_Trabalho,
                                             Id_Unidade_Agendada, Data_Hora_Atendimento, Id_Atendimento_Status,
                                             Ind_Autoriza_Cirurgia)
                                         values (:o, :a, 1, :u, :w, :s, 'SIM')
                                         returning Id_Atendimento
                                     )",
                                     {{"o", owner}, {"a", animal}, {"u", unit}, {"w", when}, {"s", status}});
        return db::toInt(r.row(0)[0]);
    }

    // A new row of the agenda-opened form filled with ANA's REX at NORTE, AGENDADO, at `hora`.
    TfrmAgendaNovoAtendimento* newBooking(const QString& hora = "09:30") {
        auto* form = TfrmAgendaNovoAtendimento::openFromAgenda(day, {});
        form->append();
        input::activate(form);  // the work area, as on the screen
        input::clickAndType(form->dtpData, day.toString("ddMMyyyy"));
        EXPECT_TRUE(choose(form->dblUnidadeTrabalho, "NORTE"));
        EXPECT_TRUE(choose(form->dblStatusAtendimento, "AGENDADO "));
        EXPECT_TRUE(choose(form->dblNomeProp, "ANA"));
        EXPECT_TRUE(choose(form->cbbAnimal, "REX"));
        form->mkeHora->setText(hora);
        return form;
    }

    QVariant stored(int key, const QString& column) {
        return scalar(QStringLiteral("select %1 from atendimento where Id_Atendimento = :k").arg(column), {{"k", key}});
    }
    QString sterilised(int animal) {
        return db::toText(scalar("select Esterilizado from animal where Id_Animal = :a", {{"a", animal}}));
    }

private:
    QMdiArea* m_area = nullptr;
};
