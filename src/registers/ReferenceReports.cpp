// SPDX-License-Identifier: GPL-3.0-or-later
// The descriptions of the reference tables' list reports.

#include "registers/ReferenceReports.h"

#include "registers/ReferenceForm.h"
#include "registers/ReferenceSql.h"

namespace {

const QString kTotalGrupos = QStringLiteral("Total de grupos:");

ReferenceListReport listReport(const QString& code, const QString& title, const QString& sql, const QString& key,
                               const QString& name = QStringLiteral("nome"),
                               const QString& description = QStringLiteral("descricao")) {
    ReferenceListReport r;
    r.code = code;
    r.title = title;
    r.sql = sql;
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
                                           referencesql::groupReport(), QStringLiteral("Id_Grupo_Animal"));
        r.opensWhenPrinting = true;
        return r;
    }();
    return r;
}

const ReferenceListReport& relEspecieAnimal() {
    static const ReferenceListReport r = listReport(QStringLiteral("REL029"), QStringLiteral("Espécies de Animais"),
                                                    referencesql::speciesReport(), QStringLiteral("Id_especie"));
    return r;
}

const ReferenceListReport& relRaca() {
    static const ReferenceListReport r = [] {
        ReferenceListReport r =
            listReport(QStringLiteral("REL030"), QStringLiteral("Raças de Animais"), referencesql::breedReport(),
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
        listReport(QStringLiteral("REL031"), QStringLiteral("Tipo de Pelo dos Animais"), referencesql::coatReport(),
                   QStringLiteral("id_pelo"), QStringLiteral("descricao"));
    return r;
}

const ReferenceListReport& relPorte() {
    static const ReferenceListReport r =
        listReport(QStringLiteral("REL032"), QStringLiteral("Porte de Animal"), referencesql::sizeReport(),
                   QStringLiteral("id_porte"), QStringLiteral("descricao"));
    return r;
}

const ReferenceListReport& relStatusAtendimento() {
    static const ReferenceListReport r =
        listReport(QStringLiteral("REL033"), QStringLiteral("Status do Atendimento"),
                   referencesql::attendanceStatusReport(), QStringLiteral("id_atendimento_status"));
    return r;
}

const ReferenceListReport& relUnidadeMedida() {
    static const ReferenceListReport r =
        listReport(QStringLiteral("REL035"), QStringLiteral("Unidade de Medida"), referencesql::measureUnitReport(),
                   QStringLiteral("id_unidade_medida"));
    return r;
}

const ReferenceListReport& relMedicamento() {
    static const ReferenceListReport r =
        listReport(QStringLiteral("REL036"), QStringLiteral("Medicamentos Cadastrados"), referencesql::medicineReport(),
                   QStringLiteral("id_medicamento"));
    return r;
}

const ReferenceListReport& relTipoProcedimento() {
    static const ReferenceListReport r =
        listReport(QStringLiteral("REL001"), QStringLiteral("Procedimentos Médico"),
                   referencesql::procedureTypeReport(), QStringLiteral("id_tipo_procedimento"));
    return r;
}

const ReferenceListReport& relTipoOcorrencia() {
    static const ReferenceListReport r = [] {
        ReferenceListReport r = listReport(QStringLiteral("REL001"), QStringLiteral("Tipo de Ocorrência"),
                                           referencesql::occurrenceTypeReport(), QStringLiteral("id_tipo_ocorrencia"));
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
                       referencesql::weightTextReport(), QStringLiteral("id_receituario_texto_peso"),
                       QStringLiteral("texto"), QStringLiteral("texto"));
        r.nameText = [](const report::Context& c) {
            return QStringLiteral("Peso: ") + decimalText(c.value(QStringLiteral("peso"))) + QStringLiteral(" kilo(s)");
        };
        r.statusPrefix = QStringLiteral("Registro: ");
        r.summary = QStringLiteral("Total de registro:");
        return r;
    }();
    return r;
}
