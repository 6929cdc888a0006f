// SPDX-License-Identifier: GPL-3.0-or-later
// Special bookings: grants added and withdrawn for an owner, the owner's information and the owner search.

#include "MapaFixture.h"

#include "availability/AgendamentoEspecialPage.h"

#include <QPlainTextEdit>
#include <QTableView>

namespace {

class EspecialTest : public MapaTest {
protected:
    void SetUp() override {
        MapaTest::SetUp();
        addOwner(1, "ANA D'ÁVILA", "FÍSICA", "11122233344");
        addOwner(2, "CLÍNICA BOA VIDA", "JURÍDICA", "12345678000199");
    }

    void addOwner(int id, const QString& name, const QString& kind, const QString& doc) {
        exec(
            R"(
                insert into proprietario (Id_Proprietario, Nome, Tipo_Pessoa, Num_CPF_CNPJ, Inserido_Em)
                values (:id, :n, :k, :d, :t)
            )",
            {{"id", id}, {"n", name}, {"k", kind}, {"d", doc}, {"t", QDateTime(QDate(2026, 1, 5), QTime(10, 0))}});
    }

    void addGrant(int id, int owner, int quantity, const QString& withdrawn = "FALSE") {
        exec(
            R"(
                insert into agendamento_especial (Id_Agendamento_Especial, Id_Proprietario,
                    Qt_Agendamento_Reservado, Ind_Registro_Excluido, Inserido_Em)
                values (:id, :o, :q, :w, :t)
            )",
            {{"id", id},
             {"o", owner},
             {"q", quantity},
             {"w", withdrawn},
             {"t", QDateTime(QDate(2026, 2, id), QTime(9, 0))}});
    }

    void addAttendances(int owner, int count, int status) {
        exec("insert into atendimento_status (Id_Atendimento_Status, Nome) values (:s, :n)",
             {{"s", status}, {"n", QStringLiteral("STATUS %1").arg(status)}});
        for (int i = 0; i < count; ++i)
            exec(
                R"(
                    insert into atendimento (Id_Proprietario, Id_Atendimento_Status, Data_Hora_Atendimento)
                    values (:o, :s, :d)
                )",
                {{"o", owner}, {"s", status}, {"d", QDateTime(QDate(2026, 1, 10 + i), QTime(8, 0))}});
    }
};

}  // namespace

TEST_F(EspecialTest, GrantsTotalsAndWithdrawalsFollowTheSelectedGrantsOwner) {
    addGrant(1, 1, 3);
    addGrant(2, 1, 2);
    addGrant(3, 1, 5, "TRUE");
    addGrant(4, 2, 4);
    addAttendances(2, 9, 1);
    addAttendances(2, 2, 7);
    AgendamentoEspecialPage* p = openMapa()->specialPage;
    ASSERT_EQ(p->qryEspecial->recordCount(), 3) << "withdrawn grants are not listed";
    EXPECT_EQ(p->edtCodigo->text(), "1") << "the first grant's owner is loaded";
    EXPECT_EQ(p->edtTotal->text(), "5");
    const QStringList memo = p->memInformacoes->toPlainText().split('\n');
    EXPECT_EQ(memo.mid(0, 3), QStringList({"Proprietário:ANA D'ÁVILA", "CPF:11122233344",
                                           "E-Mail: Não informado no cadastro de proprietário. "}));

    // Owner 2 has 4 granted and 9 attendances: a grant of 4 cannot go (4 < 9 - 4), whatever the code field says.
    p->qryEspecial->last();
    EXPECT_EQ(p->memInformacoes->toPlainText().split('\n')[1], "CNPJ:12345678000199");
    EXPECT_TRUE(p->memInformacoes->toPlainText().contains("STATUS 1 = 9"));
    p->edtCodigo->setText("1");
    p->remove();
    EXPECT_EQ(prompts.last().left(30), "Não é possivel excluir, a quan");
    EXPECT_EQ(str("select Ind_Registro_Excluido from agendamento_especial where Id_Agendamento_Especial = 4"), "FALSE");

    p->qryEspecial->first();  // owner 1's newest grant
    prompts.confirmations << true;
    p->remove();
    EXPECT_EQ(str("select Ind_Registro_Excluido from agendamento_especial where Id_Agendamento_Especial = 2"), "TRUE");
    EXPECT_EQ(str("select Excluido_por from agendamento_especial where Id_Agendamento_Especial = 2"), "1");

    // New grants: a whole number from 1 to 999, for an owner that exists, with the next key.
    p->clear();
    p->edtCodigo->setText("2");
    p->edtNome->setText("CLÍNICA BOA VIDA");
    p->edtDocumento->setText("12345678000199");
    for (const QString bad : {"0", "1000", "2x"}) {
        p->edtQuantidade->setText(bad);
        p->add();
        EXPECT_EQ(prompts.last(), "Quantidade inválida.") << bad.toStdString();
    }
    p->edtQuantidade->setText("6");
    prompts.confirmations << true;
    p->add();
    EXPECT_EQ(prompts.last(), "Você está preste a inserir 6 vagas para CLÍNICA BOA VIDA deseja continuar?");
    EXPECT_EQ(str("select Qt_Agendamento_Reservado from agendamento_especial where Id_Agendamento_Especial = 5"), "6");
    p->edtCodigo->setText("77");
    p->edtQuantidade->setText("1");
    p->add();
    EXPECT_EQ(prompts.last(), "Código do proprietário não encontrado na base de dados.");
}

TEST_F(EspecialTest, TheOwnerSearchBindsWhatIsTypedAndHandsBackOnlyAChosenRow) {
    AgendamentoEspecialPage* p = openMapa()->specialPage;
    IdProprietarioPesquisa = 5;
    p->search();
    TMapaDisponibilidadePesquisa* d = MapaDisponibilidadePesquisa;
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(IdProprietarioPesquisa, 0) << "reset on each opening";
    d->search();
    EXPECT_EQ(prompts.last(), "Falta selecionar uma opção de pesquisa.");
    d->cbbSelecione->setCurrentIndex(1);
    d->search();
    EXPECT_EQ(prompts.last(), "Falta digitar o Nome.");
    d->edtDados->setText("d'ávila");
    d->search();
    ASSERT_EQ(d->qryPesquisa->recordCount(), 1);
    d->ok();
    EXPECT_EQ(p->edtCodigo->text(), "1");
    EXPECT_EQ(p->edtNome->text(), "ANA D'ÁVILA");

    p->clear();
    p->search();
    MapaDisponibilidadePesquisa->ok();  // no search run: nothing handed back
    EXPECT_EQ(p->edtCodigo->text(), "");
}
