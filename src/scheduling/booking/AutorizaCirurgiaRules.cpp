// SPDX-License-Identifier: GPL-3.0-or-later
// The surgery authorisation's lines.
#include "scheduling/booking/AutorizaCirurgiaRules.h"

#include "common/rules/Formats.h"

namespace {

const QString kDeclaro = QStringLiteral(
    "Declaro que todas as informações prestadas acima são verdadeiras e autorizo a internação por 3 horas do "
    "animal identificado para que seja realizada a cirurgia de:");
const QString kNaoEspecificado = QStringLiteral("(Não especificado) ");

bool blank(const QString& s) { return s.trimmed().isEmpty(); }
QString text(const QVariant& v) { return v.isNull() ? QString() : v.toString(); }

// `label` and the value, or the label with the fallback when the value is blank.
QString orUnspecified(const QString& label, const QString& value) {
    return blank(value) ? label + QLatin1Char(' ') + kNaoEspecificado : label + value;
}

}  // namespace

QString attendanceLine(const CirurgiaRow& r) {
    return text(r.attendanceId) + QStringLiteral(" Data/hora do atendimento: ") + fmt::dateTime(r.attendanceAt);
}

QString ownerLine(const CirurgiaRow& r) {
    QString line = text(r.ownerId) + QLatin1Char('-') + r.ownerName;
    if (!blank(r.cpfCnpj))
        line += QStringLiteral(", CPF/CNPJ: ") + r.cpfCnpj;
    if (!blank(r.ci))
        line += QStringLiteral(" CI: ") + r.ci;
    return line;
}

QString phoneLine(const CirurgiaRow& r) {
    const auto counts = [](const QString& phone) { return phone.trimmed().size() > 10; };
    if (!counts(r.phoneHome) && !counts(r.phoneMobile) && !counts(r.phoneMessage))
        return QStringLiteral("Tel.: NÃO INFORMADO.");
    QString line = QStringLiteral("Tel.:");
    if (counts(r.phoneHome))
        line += r.phoneHome;
    if (counts(r.phoneMobile))
        line += QStringLiteral(", ") + r.phoneMobile;
    if (counts(r.phoneMessage))
        line += QStringLiteral(", ") + r.phoneMessage;
    return line;
}

QString addressLine(const CirurgiaRow& r) {
    QString line = r.streetType + QLatin1Char(' ') + r.street + QStringLiteral(", ") + r.number;
    if (!blank(r.complement))
        line += QStringLiteral(", ") + r.complement;
    if (!blank(r.cep))
        line += QStringLiteral(", CEP:") + r.cep;
    if (!blank(r.district))
        line += QStringLiteral(", Bairro:") + r.district;
    return line;
}

QString animalLine(const CirurgiaRow& r) {
    return text(r.animalId) + QLatin1Char('-') + r.animalName + QStringLiteral(" , Grupo:") + r.group +
           QStringLiteral(", Raça:") + r.breed + QStringLiteral(", Data nasc.:") + fmt::date(r.birth);
}

QString detailsLine(const CirurgiaRow& r) {
    return orUnspecified(QStringLiteral("Espécie:"), r.species) + orUnspecified(QStringLiteral(" , Sexo:"), r.sex) +
           orUnspecified(QStringLiteral(", Porte:"), r.size) + orUnspecified(QStringLiteral(", Pelo:"), r.coat) +
           orUnspecified(QStringLiteral(", Sinais:"), blank(r.marks) ? QString() : QLatin1Char(' ') + r.marks);
}

QString colourLine(const CirurgiaRow& r) {
    return blank(r.colour) ? QStringLiteral("Cor não informada.") : QStringLiteral("Cor: ") + r.colour;
}

QString declarationText(const QVariant& attendanceId, const QList<QPair<QString, QString>>& procedures) {
    if (text(attendanceId).trimmed().isEmpty())
        return kDeclaro + QLatin1Char(' ') + QString(13, QLatin1Char('?')) + QLatin1Char('!');
    if (procedures.isEmpty())
        return QStringLiteral("Procedimento não expecificado!");
    if (procedures.size() == 1)
        return kDeclaro + procedures[0].first + QLatin1Char('.') + procedures[0].second;
    QString out = kDeclaro;
    for (const auto& [name, description] : procedures)
        out += QStringLiteral(",( ") + name + QLatin1Char('.') + description + QLatin1Char(')');
    return out;
}
