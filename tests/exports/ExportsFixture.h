// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens the export forms as the menu does and answers their save dialogs with files of a temporary folder.

#include "DbfReader.h"
#include "TestDatabase.h"
#include "UserInput.h"

#include "common/access/FormOpening.h"
#include "exports/ExportsForms.h"
#include "platform/ui/DateEdit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

class ExportsTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        loginAsAdmin();
        registerExportsForms();
    }

    void TearDown() override {
        prompts.confirmations = QList<bool>(50, true);  // a register left typing a row is closed without it
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DbTest::TearDown();
    }

    template <class Form>
    Form* open(const char* action, QPointer<Form>& global) {
        openerFor(QString::fromLatin1(action))();
        QCoreApplication::processEvents();
        EXPECT_FALSE(global.isNull()) << action;
        return global;
    }

    template <class T = QWidget>
    static T* child(QObject* parent, const QString& name) {
        T* found = parent->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    static void click(QWidget* form, const char* button) {
        QTest::mouseClick(child<QPushButton>(form, QString::fromLatin1(button)), Qt::LeftButton);
    }

    static QString panel(QWidget* form, int i) {
        return child<QLabel>(form, QStringLiteral("StatusBar1Panel%1").arg(i))->text();
    }

    // The next save dialog answers `name` inside the temporary folder; returns that path.
    QString answerSave(const QString& name) {
        const QString path = dir.filePath(name);
        prompts.fileNames << path;
        return path;
    }

    bool askedForFile() const {
        for (const RecordedPrompt& p : prompts.asked)
            if (p.kind == Prompts::Kind::SaveFile)
                return true;
        return false;
    }

    // A row of the export staging table.
    void addStaging(int id, const QString& status, const QString& attended, const QString& inserted) {
        exec(
            R"(
                insert into Exportacao2 (id_atend, st_atend, td_atend, Dt_inse, prop, P_cooX, Dt_nasc)
                values (:id, :st, :td, :dt, 'JOSÉ', 1.25, '2015-06-07 08:00:00')
            )",
            {{"id", id}, {"st", status}, {"td", attended}, {"dt", inserted}});
    }

    QTemporaryDir dir;
};
