// SPDX-License-Identifier: GPL-3.0-or-later
// REL027's layout: the users with their profile and unit.
#include "shell/users/URelUsuario.h"

#include "common/ReportParts.h"
#include "shell/users/UsuarioSql.h"

TfrmRelUsuario::TfrmRelUsuario() {
    setTitle(QStringLiteral("Usuários cadastrados"));
    setMargins(2.6);
    const qreal w = bodyRectMm().width();
    usuariosql::prepareReport(qryUsuario);
    setData(reportData(qryUsuario));

    addReportHeading(addBand(report::BandType::Title, 16), QStringLiteral("REL027"),
                     QStringLiteral("Usuários cadastrados"), w);

    const qreal cols[5] = {0, 0.40, 0.50, 0.60, 0.78};
    report::Band& headings = addBand(report::BandType::ColumnHeader, 7);
    const char* titles[5] = {"Cód - Nome", "Bloqueado", "Inativo", "Perfil:", "Unidade de trabalho:"};
    // Column i, a millimetre short of the next one.
    const auto column = [&cols, w](int i, qreal y) {
        return QRectF(cols[i] * w, y, (i < 4 ? cols[i + 1] * w - 1 : w) - cols[i] * w, 5);
    };
    for (int i = 0; i < 5; ++i)
        headings.addLabel(column(i, 1), QString::fromUtf8(titles[i])).setBold();

    // The names go on over further lines where their column ends: the unit's first forty characters, and the
    // user's and profile's names, print whole.
    report::Band& detail = addBand(report::BandType::Detail, 6).setGrows();
    detail
        .addExpression(column(0, 0.5),
                       [](const report::Context& c) {
                           return QVariant(c.text(QStringLiteral("id_usuario")) + QStringLiteral(" - ") +
                                           c.text(QStringLiteral("nome")));
                       })
        .setWordWrap();
    detail.addField(column(1, 0.5), QStringLiteral("Bloqueado")).setOnPrint([](QString& text) { text = yesNo(text); });
    detail.addField(column(2, 0.5), QStringLiteral("Inativo")).setOnPrint([](QString& text) { text = yesNo(text); });
    detail
        .addExpression(column(3, 0.5),
                       [this](const report::Context& c) {
                           return QVariant(lookup(QStringLiteral("perfil"), QStringLiteral("id_perfil"),
                                                  c.value(QStringLiteral("id_perfil"))));
                       })
        .setWordWrap();
    detail
        .addExpression(
            column(4, 0.5),
            [this](const report::Context& c) {
                return QVariant(lookup(QStringLiteral("Unidade_Trabalho"), QStringLiteral("Id_Unidade_Trabalho"),
                                       c.value(QStringLiteral("Id_Unidade_Trabalho")))
                                    .left(40));
            })
        .setWordWrap();

    report::Band& summary = addBand(report::BandType::Summary, 8);
    summary.addLabel(QRectF(0, 2, 40, 5), QStringLiteral("Total de usuário:")).setBold();
    summary.addExpression(QRectF(40, 2, 30, 5),
                          [](const report::Context&) { return QVariant(usuariosql::userCount()); });

    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}

// The name of a profile or unit, empty when the id is blank or not found.
QString TfrmRelUsuario::lookup(const QString& table, const QString& key, const QVariant& id) const {
    const QString trimmed = db::toText(id).trimmed();
    if (trimmed.isEmpty())
        return {};
    const QString cacheKey = table + QLatin1Char('/') + trimmed;
    if (auto it = m_names.constFind(cacheKey); it != m_names.constEnd())
        return *it;
    const QString name = usuariosql::nameIn(table, key, trimmed.toInt());
    m_names.insert(cacheKey, name);
    return name;
}
