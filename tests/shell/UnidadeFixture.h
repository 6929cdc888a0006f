// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A logged-in administrator, the shell's openers registered, and helpers to drive the work-unit register
// and its search as a user would.

#include "TestDatabase.h"

#include "common/FormWindows.h"
#include "common/access/FormOpening.h"
#include "shell/ShellForms.h"
#include "shell/units/UUnidade.h"
#include "shell/units/UUnidadeConsultar.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <functional>

class UnidadeTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        loginAsAdmin();
        registerShellForms();
    }

    void TearDown() override {
        deleteTopLevelWindows();
        setWorkspace(nullptr);
        DbTest::TearDown();
    }

    // Menu action 001, as the main menu runs it.
    TfrmUnidade* openUnidade() {
        openerFor("actUnidade")();
        return frmUnidade;
    }

    static void trigger(QWidget* form, const char* action) {
        QAction* a = form->findChild<QAction*>(action);
        ASSERT_NE(a, nullptr) << action;
        ASSERT_TRUE(a->isEnabled()) << action;
        a->trigger();
    }

    void addUnit(int id, const QString& nome, const QString& status = "ATIVO") {
        exec("insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status) values (:id, :n, :s)",
             {{"id", id}, {"n", nome}, {"s", status}});
    }

    // Statements the schema scripts would run, outside the statement layer (DDL is not prepared).
    static void ddl(const QString& sql) {
        QSqlQuery q(db::connection());
        ASSERT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
    }

    // Runs `undo` when the test leaves its scope, passed or failed: the PostgreSQL test database outlives
    // each test, so what a test adds to the schema is taken out again.
    struct Undo {
        std::function<void()> undo;
        ~Undo() { undo(); }
    };

    static QStringList column(const db::DataSet& data, const QString& field) {
        QStringList out;
        for (int r = 0; r < data.recordCount(); ++r)
            out << db::toText(data.cell(r, field));
        return out;
    }
};
