// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The availability map's messages, as the operators know them.

#include <QString>

namespace availability {

inline const QString kSucesso = QStringLiteral("Operação realizada com sucesso.");
inline const QString kErroGravar = QStringLiteral("Erro ao tentar gravar.");
inline const QString kValorInvalido = QStringLiteral("Valor inválido.\nEste campo permite valores entre 1 a 999.");
inline const QString kHoraInvalida = QStringLiteral("A data %1 não está em um formato válido.");
inline const QString kCaninaSeparada =
    QStringLiteral("Para vaga de cães fêmeas de porte grande, o registro deve ser criado separadamente.");
inline const QString kFelinoFemea = QStringLiteral("No caso de FELINO não pode haver fêmea grande.");
inline const QString kUnidadeObrigatoria = QStringLiteral("O preenchimento do campo \"Unidade\" é obrigatório.");
inline const QString kProcedimentoObrigatorio =
    QStringLiteral("O preenchimento do campo \"Procedimento\" é obrigatório.");
inline const QString kHoraObrigatoria = QStringLiteral("O preenchimento do campo \"Hora\" é obrigatório.");
inline const QString kGeralObrigatorio = QStringLiteral("O preenchimento do campo \"Qt. vagas geral\" é obrigatório.");
inline const QString kFemeaObrigatoria =
    QStringLiteral("O preenchimento do campo \"Qt.vaga fêmea grande\" é obrigatório.");
inline const QString kGeralInvalido = QStringLiteral("Valor inválido no campo \"Qt. vagas geral\".");
inline const QString kFemeaInvalida = QStringLiteral("Valor inválido no campo \"Qt.vaga fêmea grande\".");
inline const QString kGeralNegativo = QStringLiteral("Não pode haver valor negativo no campo \"Qt. vagas geral\".");
inline const QString kFemeaNegativa =
    QStringLiteral("Não pode haver valor negativo no campo \"Qt.vaga fêmea grande\".");
inline const QString kFaltaEspecie = QStringLiteral("Falta elecione a espécie.");
inline const QString kAte999 = QStringLiteral("\nNão deve ultrapassar 999 vagas.");
inline const QString kAte99 = QStringLiteral("\nNão deve ultrapassar 99 vagas.");
inline const QString kNenhumaVaga =
    QStringLiteral("Pelo menos uma vaga deve ser disponibilizada para gravar o registro.");
inline const QString kReplanejamento =
    QStringLiteral("\nSe for preciso um replanejamento, altere a quantidade de vagas do registro já existente.");
inline const QString kDuplicado =
    QStringLiteral("Já existe um registro com a mesma data, hora, unidade, procedimento e especie cadastrado.");
inline const QString kDuplicadoProducao = QStringLiteral(
    "Já existe um registro com a mesma data, hora, unidade, procedimento e especie cadastrado EM PRODUÇÃO");
inline const QString kUsadaGeral = QStringLiteral(
    "A quantidade de vagas de uso geral replanejada é inferior a que já foi utilizada.\n"
    "A operação não poderá ser concluída. ");
inline const QString kUsadaFemea = QStringLiteral(
    "A quantidade de vagas para fêmeas grandes que está sendo replanejada é inferior a que já foi utilizada.\n"
    "A operação não poderá ser concluída. ");
inline const QString kUsadaNaoMove = QStringLiteral(
    "O registro já foi usado em um agendamento; não é permitido alterar a unidade, o procedimento, a espécie, "
    "a data ou a hora.");
inline const QString kConfirmaAlterar = QStringLiteral("Deseja realmente alterar o registro?");
inline const QString kConfirmaExcluir = QStringLiteral("Tem certeza que deseja excluir?");
inline const QString kUsadoNaoExclui =
    QStringLiteral("O registro não pode ser excluído por ter sido usado em um agendamento.");
inline const QString kExcluido = QStringLiteral("Registro excluído com sucesso!");
inline const QString kAreasEmAlteracao =
    QStringLiteral("Não é permitido fazer alteração vinculando áreas de abrangências");
inline const QString kNenhumRegistro =
    QStringLiteral("Nenhum registro que atende aos critérios informados foi encontrado!");
inline const QString kTotalRegistro = QStringLiteral(" Total de registro: ");
inline const QString kAssociarAreas = QStringLiteral("Associar vagas a áreas de abrangências");
inline const QString kAreasSelecionadas = QStringLiteral("* Áreas de abrangência selecionada.");
inline const QString kSemAgendaClonar = QStringLiteral("É preciso ter um agenda cadastrada para poder clonar.");
inline const QString kJaExistiam = QStringLiteral("\n%1 registros já existiam e não foram criados.");

// The provisional map.
inline const QString kFaltaUnidade = QStringLiteral("Falta informar a unidade para onde as vagas são destinadas.");
inline const QString kFaltaProcedimento = QStringLiteral("Falta informar o procedimento a ser realizado.");
inline const QString kFaltaEspecieRascunho = QStringLiteral("Falta informar a especie.");
inline const QString kFaltaData = QStringLiteral("Falta informar a data.");
inline const QString kFaltaHorario = QStringLiteral("Falta informar o horario.");
inline const QString kFaltaGeral = QStringLiteral("Falta informar a quantidade de vaga geral.");
inline const QString kFaltaFemea = QStringLiteral(
    "Informe a quantidade de vaga para fêmea grande.\n"
    "Caso deseje inserir vagas do tipo geral, mantenha o campo de fêmea grande com o valor zero(0).");
inline const QString kDataInvalida = QStringLiteral("Data invalida ou vazia");
inline const QString kHoraInvalidaRascunho = QStringLiteral("Hora invalida ou vazia.");
inline const QString kFelinaFemea = QStringLiteral("No caso de FELINA não pode haver fêmea grande.");
inline const QString kFelinoSaida = QStringLiteral(
    "Para a especie felino a quantidade de fêmea grande não é permitido, o valor do campo deve ser zero.");
inline const QString kConfirmaExcluirRascunho = QStringLiteral("O registro será excluído.\nConfirma a exclusão?");
inline const QString kEditandoTransferir =
    QStringLiteral("Um registro esta sendo editado ou inserido. Finalise a operação para continuar.");
inline const QString kConfirmaTransferir =
    QStringLiteral("Deseja realmente transferir a programação para produção?\nEsta operação será definitiva.");
inline const QString kSairEditando = QStringLiteral(
    "Tem registro no modo de edição ou inserção.\n"
    "Fechar este formulário implica no cancelamento destas operações.\nDeseja sair assim mesmo?");

}  // namespace availability
