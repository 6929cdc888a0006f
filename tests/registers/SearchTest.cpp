// SPDX-License-Identifier: GPL-3.0-or-later
// The search dialogs of procedure types, statuses and medicines.

#include "RegistersFixture.h"

#include <QHeaderView>

class Searches : public RegistersTest {
protected:
    void SetUp() override {
        RegistersTest::SetUp();
        for (const auto& [id, nome] :
             QList<std::pair<int, QString>>{{3, "CONSULTA"}, {5, "Cirurgia"}, {8, "VACINA"}, {12, "CASTRACAO"}})
            exec("insert into tipo_procedimento (Id_Tipo_Procedimento, Nome, Ind_Status) values (:i, :n, 'ATIVO')",
                 {{"i", id}, {"n", nome}});
        for (const auto& [id, nome] :
             QList<std::pair<int, QString>>{{1, "AGENDADO"}, {2, "REALIZADO"}, {7, "CANCELADO"}})
            exec("insert into atendimento_status (Id_Atendimento_Status, Nome) values (:i, :n)",
                 {{"i", id}, {"n", nome}});
        for (const auto& [id, nome] :
             QList<std::pair<int, QString>>{{1, "DIPIRONA"}, {2, "DOXICICLINA"}, {3, "AMOXICILINA"}})
            exec("insert into medicamento (Id_Medicamento, Nome) values (:i, :n)", {{"i", id}, {"n", nome}});
    }

    template <class Dialog>
    Dialog* search(ReferenceForm* form, QPointer<Dialog>& global) {
        trigger(form, "actPesquisar");
        QCoreApplication::processEvents();
        EXPECT_FALSE(global.isNull());
        if (global) {
            EXPECT_EQ(global->form(), form);
        }
        return global.data();
    }

    static void find(ReferenceSearch* dialog, const QString& kind, const QString& text) {
        auto* combo = dialog->cbbSelecao;
        combo->setCurrentIndex(combo->findText(kind));
        dialog->edtTexto->clear();
        QTest::keyClicks(dialog->edtTexto, text);
        QTest::mouseClick(dialog->bmpPesquisar, Qt::LeftButton);
    }

    static QStringList found(ReferenceSearch* dialog) {
        QStringList out;
        QAbstractItemModel* model = dialog->dbgPrincipal->model();
        for (int r = 0; r < model->rowCount(); ++r)
            out << model->index(r, 0).data().toString() + " " + model->index(r, 1).data().toString();
        return out;
    }

    static QStringList keys(ReferenceForm* form) {
        QStringList out;
        for (int r = 0; r < form->qryPrincipal->recordCount(); ++r)
            out << db::toText(form->qryPrincipal->cell(r, form->keyField()));
        return out;
    }
};

TEST_F(Searches, ProcedureSearchMovesItsRegisterAsSoonAsRowsAreFound) {
    ReferenceForm* form = open("actProcedimento");
    ASSERT_EQ(form->qryPrincipal->recordCount(), 4);
    auto* dialog = search(form, frmTipoProcedimentoPesquisa);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Pesquisa.");
    EXPECT_NE(qobject_cast<QMdiSubWindow*>(dialog->parentWidget()), nullptr);
    EXPECT_EQ(dialog->bmpPesquisar->text(), "&Pesqisar");
    EXPECT_EQ(dialog->bmpOK->text(), "&OK");
    EXPECT_EQ(dialog->cbbSelecao->currentText(), "");

    // Names beginning with the text, whatever their case; the register follows before "&OK".
    find(dialog, "Nome", "c");
    EXPECT_EQ(dialog->edtTexto->text(), "C");
    EXPECT_EQ(found(dialog), (QStringList{"3 CONSULTA", "5 CIRURGIA", "12 CASTRACAO"}));
    EXPECT_EQ(keys(form), QStringList{"3"});
    dialog->qryPrincipal->next();
    EXPECT_EQ(keys(form), QStringList{"5"});

    // Sorting by a title keeps one order clause.
    QHeaderView* header = dialog->dbgPrincipal->horizontalHeader();
    emit header->sectionClicked(0);
    emit header->sectionClicked(0);
    EXPECT_EQ(dialog->qryPrincipal->text().count("order by"), 1);
    EXPECT_EQ(found(dialog), (QStringList{"3 CONSULTA", "5 CIRURGIA", "12 CASTRACAO"}));
    emit header->sectionClicked(1);
    EXPECT_EQ(found(dialog), (QStringList{"12 CASTRACAO", "5 CIRURGIA", "3 CONSULTA"}));

    find(dialog, "Código", " 8 ");
    EXPECT_EQ(found(dialog), QStringList{"8 VACINA"});
    EXPECT_EQ(keys(form), QStringList{"8"});

    // Nothing found moves nothing; "&OK" only closes.
    find(dialog, "Código", "8A");
    EXPECT_TRUE(found(dialog).isEmpty());
    EXPECT_EQ(keys(form), QStringList{"8"});
    EXPECT_TRUE(prompts.asked.isEmpty());
    QTest::mouseClick(dialog->bmpOK, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frmTipoProcedimentoPesquisa.isNull());
}

TEST_F(Searches, TypedTextIsOnlyEverAValue) {
    ReferenceForm* form = open("actProcedimento");
    auto* dialog = search(form, frmTipoProcedimentoPesquisa);
    for (const char* hostile : {"X' OR '1'='1", "%", "_ASTRACAO", "'; DELETE FROM TIPO_PROCEDIMENTO; --"}) {
        find(dialog, "Nome", hostile);
        EXPECT_TRUE(found(dialog).isEmpty()) << hostile;
        find(dialog, "Código", hostile);
        EXPECT_TRUE(found(dialog).isEmpty()) << hostile;
    }
    EXPECT_EQ(count("tipo_procedimento"), 4);
    EXPECT_TRUE(prompts.asked.isEmpty());
    // An unknown search kind does nothing.
    dialog->cbbSelecao->setCurrentIndex(-1);
    dialog->edtTexto->setText("CAS");
    QTest::mouseClick(dialog->bmpPesquisar, Qt::LeftButton);
    EXPECT_TRUE(found(dialog).isEmpty());
}

TEST_F(Searches, WildcardsEscapesAndApostrophesTypedMatchOnlyThemselves) {
    for (const auto& [id, nome] : QList<std::pair<int, QString>>{{20, "50% DESCONTO"},
                                                                 {21, "500 DESCONTO"},
                                                                 {22, "A_B"},
                                                                 {23, "AXB"},
                                                                 {24, "D'ÁGUA"},
                                                                 {25, "DAGUA"},
                                                                 {26, "X\\Y"},
                                                                 {27, "XY"},
                                                                 {28, "ȘTEFAN"}})
        exec("insert into tipo_procedimento (Id_Tipo_Procedimento, Nome, Ind_Status) values (:i, :n, 'ATIVO')",
             {{"i", id}, {"n", nome}});
    ReferenceForm* form = open("actProcedimento");
    auto* dialog = search(form, frmTipoProcedimentoPesquisa);
    ASSERT_NE(dialog, nullptr);
    const QList<std::pair<QString, QStringList>> cases = {{"50%", {"20 50% DESCONTO"}},
                                                          {"a_", {"22 A_B"}},
                                                          {"d'a", {"24 D'ÁGUA"}},
                                                          {"x\\", {"26 X\\Y"}},
                                                          {"stefan", {"28 ȘTEFAN"}},
                                                          {"%", {}},
                                                          {"_", {}}};
    for (const auto& [typed, expected] : cases) {
        find(dialog, "Nome", typed);
        EXPECT_EQ(found(dialog), expected) << typed.toStdString();
    }
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(Searches, ADialogServesTheRegisterThatOpenedItAndLeavesItAloneOnceClosed) {
    ReferenceForm* older = open("actProcedimento");
    auto* dialog = search(older, frmTipoProcedimentoPesquisa);
    ReferenceForm* newer = open("actProcedimento");
    EXPECT_EQ(frmProcedimento.data(), newer);
    find(dialog, "Nome", "VAC");
    EXPECT_EQ(keys(older), QStringList{"8"});
    EXPECT_EQ(keys(newer).size(), 4);

    trigger(older, "actSair");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(dialog->form(), nullptr);
    find(dialog, "Nome", "C");
    EXPECT_EQ(found(dialog).size(), 3);
    EXPECT_EQ(keys(newer).size(), 4);
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(Searches, StatusSearchPositionsItsRegisterOnOk) {
    ReferenceForm* form = open("actStatusAtendimento");
    auto* dialog = search(form, frmAtendimentoStatusPesquisa);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Pesquisa status atendimento.");
    EXPECT_EQ(qobject_cast<QMdiSubWindow*>(dialog->parentWidget()), nullptr);
    EXPECT_EQ(dialog->bmpPesquisar->text(), "&Pesquisar");

    find(dialog, "Nome", "  REAL  ");
    EXPECT_EQ(found(dialog), QStringList{"2 REALIZADO"});
    EXPECT_EQ(keys(form).size(), 3);  // not before "&OK"
    QTest::mouseClick(dialog->bmpOK, Qt::LeftButton);
    EXPECT_EQ(keys(form), QStringList{"2"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frmAtendimentoStatusPesquisa.isNull());

    // "&OK" with an empty result only closes.
    dialog = search(form, frmAtendimentoStatusPesquisa);
    find(dialog, "Código", "99");
    EXPECT_TRUE(found(dialog).isEmpty());
    QTest::mouseClick(dialog->bmpOK, Qt::LeftButton);
    EXPECT_EQ(keys(form), QStringList{"2"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frmAtendimentoStatusPesquisa.isNull());
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(Searches, MedicineSearchAsksForAKindAndATextFirst) {
    ReferenceForm* form = open("actMedicamento");
    auto* dialog = search(form, frmMedicamentoPesquisa);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Pesquisa");
    EXPECT_NE(qobject_cast<QMdiSubWindow*>(dialog->parentWidget()), nullptr);

    dialog->edtTexto->setText("D");
    QTest::mouseClick(dialog->bmpPesquisar, Qt::LeftButton);
    EXPECT_EQ(prompts.texts(), QStringList{"Falta selecionar o campo a ser pesquisado!"});
    find(dialog, "Nome", "   ");
    EXPECT_EQ(prompts.last(), "Falta digitar o texto a ser pesquisado!");
    EXPECT_FALSE(dialog->qryPrincipal->isActive());

    find(dialog, "Nome", "do");
    EXPECT_EQ(found(dialog), QStringList{"2 DOXICICLINA"});
    find(dialog, "Nome", "d");
    EXPECT_EQ(found(dialog), (QStringList{"1 DIPIRONA", "2 DOXICICLINA"}));
    dialog->qryPrincipal->last();
    EXPECT_EQ(keys(form).size(), 3);
    QTest::mouseClick(dialog->bmpOK, Qt::LeftButton);
    EXPECT_EQ(keys(form), QStringList{"2"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frmMedicamentoPesquisa.isNull());
}
