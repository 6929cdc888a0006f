// The descriptions of the reference tables' list reports.

#include "registers/ReferenceReports.h"

#include "registers/ReferenceForm.h"

namespace {

const QString kTotalGrupos = QStringLiteral("Total de grupos:");

ReferenceListReport listReport(const QString& code, const QString& title, const QStringList& sql, const QString& key,
                               const QString& name = QStringLiteral("nome"),
                               const QString& description = QStringLiteral("descricao")) {
    ReferenceListReport r;
    r.code = code;
    r.title = title;
    r.sql = sql.join(QLatin1Char('\n'));
    r.key = key;
    r.name = name;
    r.description = description;
    r.status = QStringLiteral("ind_status");
    r.summary = kTotalGrupos;
    return r;
}

QString text(const report::Context& c, const char* field) { return c.text(QString::fromLatin1(field)).trimmed(); }

}  // namespace

const ReferenceListReport& relGrupoAnimais() {
    static const ReferenceListReport r = [] {
        ReferenceListReport r = listReport(QStringLiteral("REL028"), QStringLiteral("Grupo de animais"),
                                           {QStringLiteral(" select Id_Grupo_Animal, nome, descricao, Ind_Status "),
                                            QStringLiteral(" from Grupo_Animal ")},
                                           QStringLiteral("Id_Grupo_Animal"));
        r.opensWhenPrinting = true;
        return r;
    }();
    return r;
}

const ReferenceListReport& relEspecieAnimal() {
    static const ReferenceListReport r =
        listReport(QStringLiteral("REL029"), QStringLiteral("Espécies de Animais"),
                   {QStringLiteral("select Id_especie, nome, descricao, Ind_Status"), QStringLiteral("from especie")},
                   QStringLiteral("Id_especie"));
    return r;
}

const ReferenceListReport& relRaca() {
    static const ReferenceListReport r = [] {
        ReferenceListReport r =
            listReport(QStringLiteral("REL030"), QStringLiteral("Raças de Animais"),
                       {QStringLiteral("select a.id_raca, upper(a.nome) as nome , a.descricao as desc_raca,"),
                        QStringLiteral(" b.descricao as desc_porte, c.descricao as desc_pelo, a.ind_status"),
                        QStringLiteral("from raca a"), QStringLiteral("left join porte b on (a.id_porte = b.id_porte)"),
                        QStringLiteral("left join pelo c on (a.id_pelo = c.id_pelo)")},
                       QStringLiteral("id_raca"), QStringLiteral("nome"), QStringLiteral("desc_raca"));
        r.extraLines << [](const report::Context& c) {
            return QStringLiteral("Pelo: ") + text(c, "desc_pelo") + QStringLiteral(" - Porte: ") +
                   text(c, "desc_porte");
        };
        return r;
    }();
    return r;
}

const ReferenceListReport& relPelo() {
    static const ReferenceListReport r =
        listReport(QStringLiteral("REL031"), QStringLiteral("Tipo de Pelo dos Animais"),
                   {QStringLiteral("select id_pelo, descricao, ind_status from pelo")}, QStringLiteral("id_pelo"),
                   QStringLiteral("descricao"));
    return r;
}

const ReferenceListReport& relPorte() {
    static const ReferenceListReport r =
        listReport(QStringLiteral("REL032"), QStringLiteral("Porte de Animal"),
                   {QStringLiteral("select id_porte, descricao, ind_status from porte")}, QStringLiteral("id_porte"),
                   QStringLiteral("descricao"));
    return r;
}

const ReferenceListReport& relStatusAtendimento() {
    static const ReferenceListReport r = listReport(
        QStringLiteral("REL033"), QStringLiteral("Status do Atendimento"),
        {QStringLiteral("select id_atendimento_status, nome, descricao, ind_status from Atendimento_status")},
        QStringLiteral("id_atendimento_status"));
    return r;
}

const ReferenceListReport& relUnidadeMedida() {
    static const ReferenceListReport r =
        listReport(QStringLiteral("REL035"), QStringLiteral("Unidade de Medida"),
                   {QStringLiteral("select id_unidade_medida, nome, descricao, ind_status from unidade_medida ")},
                   QStringLiteral("id_unidade_medida"));
    return r;
}

const ReferenceListReport& relMedicamento() {
    static const ReferenceListReport r =
        listReport(QStringLiteral("REL036"), QStringLiteral("Medicamentos Cadastrados"),
                   {QStringLiteral("select id_medicamento, nome, descricao, ind_status from medicamento")},
                   QStringLiteral("id_medicamento"));
    return r;
}

const ReferenceListReport& relTipoProcedimento() {
    static const ReferenceListReport r =
        listReport(QStringLiteral("REL001"), QStringLiteral("Procedimentos Médico"),
                   {QStringLiteral("select id_tipo_procedimento, nome, descricao, ind_status  from tipo_procedimento")},
                   QStringLiteral("id_tipo_procedimento"));
    return r;
}

const ReferenceListReport& relTipoOcorrencia() {
    static const ReferenceListReport r = [] {
        ReferenceListReport r =
            listReport(QStringLiteral("REL001"), QStringLiteral("Tipo de Ocorrência"),
                       {QStringLiteral("select id_tipo_ocorrencia, nome, descricao, ind_status, ind_finaliza_caso"),
                        QStringLiteral(" from tipo_ocorrencia")},
                       QStringLiteral("id_tipo_ocorrencia"));
        r.statusPrefix = QStringLiteral("Aqrivo : ");
        r.extraLines <<
            [](const report::Context& c) { return QStringLiteral("Finaliza caso: ") + text(c, "ind_finaliza_caso"); };
        r.summary = QStringLiteral("Total de registro:");
        return r;
    }();
    return r;
}

const ReferenceListReport& relTextoPeso() {
    static const ReferenceListReport r = [] {
        ReferenceListReport r =
            listReport(QStringLiteral("REL001"), QStringLiteral("Relação peso e texto para o receituário"),
                       {QStringLiteral("select id_receituario_texto_peso, peso, texto, ind_status "),
                        QStringLiteral(" from receituario_texto_peso")},
                       QStringLiteral("id_receituario_texto_peso"), QStringLiteral("texto"), QStringLiteral("texto"));
        r.nameText = [](const report::Context& c) {
            return QStringLiteral("Peso: ") + decimalText(c.value(QStringLiteral("peso"))) + QStringLiteral(" kilo(s)");
        };
        r.statusPrefix = QStringLiteral("Registro: ");
        r.summary = QStringLiteral("Total de registro:");
        return r;
    }();
    return r;
}
