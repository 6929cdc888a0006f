// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens the reference registers as the menu does, inside a main-window workspace, and drives them as a
// user would.

#include "TestDatabase.h"

#include "common/FormWindows.h"
#include "common/access/FormOpening.h"
#include "registers/ReferenceForms.h"
#include "registers/ReferenceSearches.h"
#include "registers/RegistersForms.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <functional>

// The newest register that a menu action opened, through its global variable.
inline ReferenceForm* newestForm(const QString& action) {
    static const QHash<QString, std::function<ReferenceForm*()>> globals{
        {"actGrupoAnimais", [] { return frmGrupoAnimais.data(); }},
        {"actEspecie", [] { return frmEspecieAnimal.data(); }},
        {"actRaca", [] { return frmRaca.data(); }},
        {"actPelo", [] { return frmPelo.data(); }},
        {"actPorteAnimal", [] { return frmPorteAnimal.data(); }},
        {"actStatusAtendimento", [] { return frmStatusAtendimento.data(); }},
        {"actUnidadeMedida", [] { return frmUnidadeMedida.data(); }},
        {"actMedicamento", [] { return frmMedicamento.data(); }},
        {"actProcedimento", [] { return frmProcedimento.data(); }},
        {"actTipoOcorrencia", [] { return frmTipoOcorrencia.data(); }},
        {"actReceituario_Texto_Peso", [] { return frmReceituario_Texto_Peso.data(); }},
    };
    return globals.value(action)();
}

class RegistersTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        loginAsAdmin();
        registerRegistersForms();
        area = new QMdiArea;
        area->resize(1000, 700);
        area->show();
        setWorkspace(area);
    }

    void TearDown() override {
        prompts.confirmations = QList<bool>(50, true);  // a register left typing a row is closed without it
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != area && (qobject_cast<ReferenceForm*>(w) || qobject_cast<ReferenceSearch*>(w)))
                w->close();
        area->closeAllSubWindows();
        delete area;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DbTest::TearDown();
    }

    ReferenceForm* open(const QString& action) {
        const FormOpener opener = openerFor(action);
        EXPECT_TRUE(bool(opener)) << action.toStdString();
        opener();
        QCoreApplication::processEvents();
        return newestForm(action);
    }

    template <class T = QWidget>
    static T* child(QObject* parent, const QString& name) {
        T* found = parent->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    static void trigger(QWidget* form, const char* action) { child<QAction>(form, action)->trigger(); }

    static void type(QWidget* form, const QString& control, const QString& text) {
        QWidget* w = child(form, control);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
        }
        QTest::keyClicks(w, text);
    }

    static void pick(QWidget* form, const QString& control, const QString& text) {
        auto* combo = child<QComboBox>(form, control);
        const int i = combo->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }

    static void tick(QWidget* form, const QString& control) {
        QTest::keyClick(child<QCheckBox>(form, control), Qt::Key_Space);
    }

    // Answers the next confirmation and deletes the current row.
    void remove(QWidget* form, bool answer) {
        prompts.confirmations << answer;
        trigger(form, "actDelete");
    }

    QString str(const QString& sql, const QVariantHash& params = {}) {
        return db::toText(scalar(sql, params)).trimmed();
    }

    QMdiArea* area = nullptr;
};
