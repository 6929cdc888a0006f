// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "020 - Receituário padrão.": keeps and prints the standard prescription text (row 1 of receituario_padrao).

#include "platform/db/DataSet.h"

#include <QPointer>
#include <QWidget>

class QPlainTextEdit;

namespace scheduling {
inline const QString kClikAlterar = QStringLiteral("Clik em alterar para editar o registro.");
inline const QString kErroGravarRegistro = QStringLiteral("Erro ao tentar gravar o registro!");
}  // namespace scheduling

class TfrmReceituarioPadrao : public QWidget {
    Q_OBJECT
public:
    explicit TfrmReceituarioPadrao(QWidget* parent = nullptr);

    // Menu action 020: an MDI child with the rights of form 20.
    static TfrmReceituarioPadrao* open();

    void change();
    void save();
    void print();

    db::DataSet* standardText() const { return m_text; }

private:
    QPlainTextEdit* DBMemo1;
    db::DataSet* m_text;
};

inline QPointer<TfrmReceituarioPadrao> frmReceituarioPadrao;
