// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's items and the rule of what a profile may use.
#include "shell/menu/MenuModel.h"

#include "platform/db/Database.h"

namespace {

MenuEntry menu(const char* caption) { return {MenuEntry::MenuBegin, QString::fromUtf8(caption), {}, -1}; }
MenuEntry sep(int tag = -1) { return {MenuEntry::Separator, {}, {}, tag}; }
MenuEntry sub(const char* caption) { return {MenuEntry::SubmenuBegin, QString::fromUtf8(caption), {}, -1}; }
MenuEntry endSub() { return {MenuEntry::SubmenuEnd, {}, {}, -1}; }
MenuEntry act(const char* caption, const char* name, int tag) {
    return {MenuEntry::Action, QString::fromUtf8(caption), QString::fromLatin1(name), tag};
}

}  // namespace

const QList<MenuEntry>& mainMenuEntries() {
    static const QList<MenuEntry> entries{
        menu("&Sistema"),
        act("001 - &Unidade de trabalho...", "actUnidade", 1),
        act("002 - &Perfil de usuário...", "actPerfil", 2),
        act("003 - &Usuário...", "actUsuario", 3),
        sep(),
        act("004 - Trocar &senha...", "actTrocaSenha", 4),
        act("005 - &Trocar de Usuário...", "actTrocaUsuario", 5),
        sep(),
        act("&Sair", "actSair", -1),

        menu("&Cadastros"),
        act("006 - &Cadastrar Proprietário/Animal...", "actProprietario_Animal", 6),
        act("007 - &Profissional...", "actProfissional", 7),
        act("008 - &Atendimento particular...", "actAtendimentoParticular", 8),
        sep(),
        sub("Tabela"),
        act("009 - &Grupo de animais...", "actGrupoAnimais", 9),
        act("010 - &Espécie...", "actEspecie", 10),
        act("011 - &Raça...", "actRaca", 11),
        act("012 - &Tamanho do pelo....", "actPelo", 12),
        act("013 - &Porte do animal...", "actPorteAnimal", 13),
        sep(),
        act("014 - &Status do atendimento...", "actStatusAtendimento", 14),
        act("015 - &Unidade medida...", "actUnidadeMedida", 15),
        act("016 - &Medicamento...", "actMedicamento", 16),
        act("017 - &Procedimento medico...", "actProcedimento", 17),
        act("018 - &Tipo de ocorrência...", "actTipoOcorrencia", 18),
        sep(),
        act("019 - &Texto do receituário baseado em peso...", "actReceituario_Texto_Peso", 19),
        act("020 - &Receiturário padrao...", "actReceituarioPadrao", 20),
        act("050-Tabelas auxiliares (Quorvanta)", "actQuorvanta", 50),
        endSub(),
        act("48 - Mapa disponibilidade", "actMapaDisponibilidade", 48),

        menu("&Operacional"),
        act("021 - Transferir animal...", "actTransferir_Animal", 21),
        act("022 - &Registro de ocorrência...", "actRegistroOcorrencia", 22),
        sep(),
        act("023 - &Agenda...", "actAgenda", 23),
        act("024 - &Endereço do animal...", "actEndereco_Animal", 24),

        menu("&Relatórios"),
        act("025 - &Unidade de trabalho...", "actRelUnidadeTrabalho", 25),
        act("026 - &Perfil de usuário...", "actRelPerfil", 26),
        act("027 - &Usuário...", "actRelUsuario", 27),
        sep(),
        act("028 - &Grupo de animais...", "actRelGrupo", 28),
        act("029 - &Especie...", "actRelEspecie", 29),
        act("030 - &Raça...", "actRelRaca", 30),
        act("031 - &Tamanho do pelo....", "actRelPelo", 31),
        act("032 - &Porte do animal...", "actRelPorte", 32),
        sep(0),
        act("033 - Tipo de &status para o atendimento... ", "actRelTipoStatusAtendimento", 33),
        act("035 - &Unidade medida de medicamento...", "actRelUnidadeMedida", 35),
        act("036 - &Medicamentos...", "actRelMedicamento", 36),
        sep(0),
        act("037 - &Animais cadastrados completo...", "actRelAnimaisCadastradosCompleto", 37),
        act("038 - &Animais cadastrados consolidado...", "actRelAnimaisCadastradosConsolidado", 38),
        act("039 - &Animais microchipado...", "actRelAnimaisMicrochipado", 39),
        act("043 - &Animais com tranferência de proprietários...", "actRelAnimaisTransferedos", 43),
        act("041 - Impressão de carteira de identificação...", "actRelImprimeCarteirinha", 0),
        sep(0),
        act("040 - &Agenda dos profissional...", "actSelAgendaProfissional", 40),
        act("042 - &Profissional...", "actRelProfissional", 42),
        act("049 - Proprietário & Animal...", "actRelProprietarioAnimal", 0),
        sep(0),
        act("050 - Agenda &diária da unidade...", "actRelAgendaDiaria", 0),
        act("051 - Agenda &mensal da unidade...", "actRelAgendaMensal", 0),
        act("052 - Agenda &anual da unidade...", "actRelAgendaAnual", 0),

        menu("&Utilitário"),
        act("044 - &Exportação de dados...", "actExportaDados", 44),
        act("045 - &Consulta resultado LVC", "actConsultaLVC", 45),
        act("046 - &Pesquisa avançada...", "actPesquisaAvancado", 46),
        act("060 - Exporta tabela agendamento...", "actExportaTabelaAgendamento", 0),
        act("047 - &Cadastro de formulários do sistema...", "actFormSistema", 47),
        act("049 - &Extrator de tabelas do sistema...", "actExtratorTabelasSistema", 49),

        menu("&Janelas"),
        act("&Organizar em cascata", "WindowCascade1", -1),
        act("&Dividir na horizontal", "WindowTileHorizontal1", -1),
        act("&Dividir em vertical", "WindowTileVertical1", -1),
        sep(),
        act("&Minimizar todas", "WindowMinimizeAll1", -1),
        act("&Restaurar todas", "WindowArrange1", -1),
        act("Fechar todas", "WindowClose1", -1),

        menu("&Ajuda"),
        act("&Sistema...", "mnuSistema", -1),
        act("&Manual do sistema", "actManual", 0),
    };
    return entries;
}

bool opensForm(const QString& actionName) {
    static const QSet<QString> notForms{QStringLiteral("actSair"),
                                        QStringLiteral("WindowCascade1"),
                                        QStringLiteral("WindowTileHorizontal1"),
                                        QStringLiteral("WindowTileVertical1"),
                                        QStringLiteral("WindowMinimizeAll1"),
                                        QStringLiteral("WindowArrange1"),
                                        QStringLiteral("WindowClose1"),
                                        QStringLiteral("actManual")};
    return !notForms.contains(actionName);
}

QSet<int> grantedTags(const QList<ProfileFormRow>& rows) {
    QSet<int> tags;
    for (const ProfileFormRow& row : rows) {
        if (row.tag != -1 && !db::sameText(row.visualizar, QStringLiteral("N")))
            tags.insert(row.tag);
    }
    return tags;
}

QString statusPanelUnit(const QString& unitName) { return QStringLiteral("Unidade logada: ") + unitName; }

QString statusPanelUser(const QString& userName, const QString& profileName) {
    return userName + QStringLiteral(" - ") + profileName;
}

QString sessionPanelUser(const QString& userId, const QString& userName, const QString& profileName) {
    return QStringLiteral("Usuário logado: %1 - %2(%3)").arg(userId, userName, profileName);
}

QString sessionPanelUnit(const QString& unitId, const QString& unitName) {
    return QStringLiteral("Unidade: %1 - %2").arg(unitId, unitName);
}
