// SPDX-License-Identifier: GPL-3.0-or-later
// REL037: a heading naming the animal, the animal and owner once, then one line per occurrence by date.
#include "registry/events/URelRegistroOcorrencia.h"

#include "common/ReportParts.h"
#include "common/rules/Formats.h"
#include "registry/events/OccurrenceSql.h"

namespace {

QString text(const report::Context& c, const char* field) { return c.text(QString::fromLatin1(field)).trimmed(); }

QString dateText(const report::Context& c, const char* field) {
    return fmt::date(db::toDateTime(c.value(QString::fromLatin1(field))));
}

// The rows of the one table, the first only or all of them.
class FirstRow : public report::DataSource {
public:
    explicit FirstRow(std::shared_ptr<RowSetData> all) : m_all(std::move(all)) {}
    int rowCount() const override { return std::min(1, m_all->rowCount()); }
    QVariant value(int row, const QString& field) const override { return m_all->value(row, field); }

private:
    std::shared_ptr<RowSetData> m_all;
};

}  // namespace

TfrmRelRegistroOcorrencia::TfrmRelRegistroOcorrencia(int animalId, int ownerId) {
    setTitle(QStringLiteral("REL037"));
    setOrientation(report::Orientation::Portrait);
    setMargins(10);
    setNow(db::serverTime());
    const qreal w = bodyRectMm().width();
    occurrencesql::prepareReport(qryPrincipal, animalId, ownerId);
    const std::shared_ptr<RowSetData> all = reportData(qryPrincipal);
    setData(std::make_shared<FirstRow>(all));
    const QString animal =
        qryPrincipal.isEmpty() ? QString() : qryPrincipal.str(QStringLiteral("NomeAnimal")).trimmed();

    addReportHeading(addBand(report::BandType::Title, 16), QStringLiteral("REL037"),
                     QStringLiteral("OCORRÊNCIA ATRIBUÍDA À ") + animal, w);

    report::Band& detail = addBand(report::BandType::Detail, 18);
    detail.addExpression(QRectF(0, 1, w, 5), [](const report::Context& c) {
        return QVariant(QStringLiteral("PROPRIETÁRIO: ") + text(c, "Id_Proprietario") + QStringLiteral(" - ") +
                        text(c, "nomeProprietario") + QStringLiteral("  ANIMAL: ") + text(c, "Id_Animal") +
                        QStringLiteral(" - ") + text(c, "NomeAnimal"));
    });
    detail.addExpression(QRectF(0, 6, w, 5), [](const report::Context& c) {
        return QVariant(QStringLiteral("ESPECIE:") + text(c, "nomeEspecie") + QStringLiteral(", RAÇA:") +
                        text(c, "nomeRaca") + QStringLiteral(", PORTE:") + text(c, "nomePorte") +
                        QStringLiteral(", PELO:") + text(c, "nomePelo") + QStringLiteral(", DT NASC.:") +
                        dateText(c, "Data_Nascimento"));
    });
    detail.addExpression(QRectF(0, 11, w, 5), [](const report::Context& c) {
        QString line = QStringLiteral("ENDEREÇO PROPRIET.:") + text(c, "TIP_LOGR") + QStringLiteral(": ") +
                       text(c, "NOM_LOGR") + QStringLiteral(" ") + text(c, "NUM_IMOV_LOGR") + QStringLiteral(", ") +
                       text(c, "DES_CMPL_ENDR");
        if (!text(c, "NOM_BAIR").isEmpty())
            line += QStringLiteral(" BAIRRO: ") + text(c, "NOM_BAIR");
        return QVariant(line);
    });

    report::Band& line = addSubDetail([all](const report::Context&) { return all; }).addDetail(6);
    line.addLabel(QRectF(0, 0, 12, 5), QStringLiteral("Data:")).setBold();
    line.addExpression(QRectF(12, 0, 30, 5),
                       [](const report::Context& c) { return QVariant(dateText(c, "Dt_Ocorrencia")); });
    line.addLabel(QRectF(44, 0, 28, 5), QStringLiteral("Intercorrência")).setBold();
    line.addExpression(QRectF(72, 0, w - 72, 5),
                       [](const report::Context& c) { return QVariant(text(c, "nomeTipo_ocorrencia")); });

    addPageNumber(addBand(report::BandType::PageFooter, 7), w);
}
