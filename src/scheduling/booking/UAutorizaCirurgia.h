// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Rel:0053" - the registration and consent form of a sterilisation surgery for one saved attendance: the
// attendance, owner, animal and address, a questionnaire filled by hand, the declaration of the procedures,
// the consent text and the signature block.

#include "platform/report/Report.h"
#include "scheduling/booking/AutorizaCirurgiaRules.h"

namespace scheduling {
inline const QString kConcluirAntesAutorizacao = QStringLiteral(
    "Você esta cadastrando ou alterando um atendimento, é necessário concluir esta operação clicando "
    "primeiramente em \"GRAVAR\" antes de imprimir a autorização para cirurgia.");
}  // namespace scheduling

class TfrmAutorizaCirurgia : public report::Report {
public:
    // The ids as the booking form holds them when the report is made; blank ids print no detail.
    TfrmAutorizaCirurgia(const QVariant& ownerId, const QVariant& animalId, const QVariant& attendanceId);

    const QList<CirurgiaRow>& rows() const { return m_rows; }
    const QString& declaration() const { return m_declaration; }

private:
    QList<CirurgiaRow> m_rows;
    QString m_declaration;
};
