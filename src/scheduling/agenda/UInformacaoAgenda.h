// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Informação de agendamento.": the statistics of the agenda's filters, per performing unit its counts by
// status and the attendances grouped by time, status, species, sex and size.

#include "scheduling/agenda/AgendaSql.h"

#include <QPointer>
#include <QWidget>

class QPlainTextEdit;

namespace scheduling {
inline const QString kNenhumRegistroEstatistica = QStringLiteral("Nenhum registro encontrado!");
inline const QString kErroPesquisa = QStringLiteral("Erro ao tentar realizar a pesquisa.");
}  // namespace scheduling

// The statistics' lines, the first one empty.
QStringList agendaStatistics(const agendasql::Filter& filter);

class TfrmInformacaoAgenda : public QWidget {
    Q_OBJECT
public:
    explicit TfrmInformacaoAgenda(const QStringList& lines, QWidget* parent = nullptr);
    QPlainTextEdit* memPrincipal;
};

inline QPointer<TfrmInformacaoAgenda> frmInformacaoAgenda;
