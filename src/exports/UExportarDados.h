// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Data export (044): chosen columns of every animal, with its owner, latest address and latest group, into
// a dBase file.

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QPushButton;
class QStatusBar;
class QTreeWidget;

namespace exports {
inline const QString kErroExportacao = QStringLiteral(
    "Um erro ocorreu durante a tentativa de exportação.'Verifique se tem algum campo selecionada para ser exportado "
    "ou entre em contato com a equipe de  desenvolvimento de sistema da Velmoran.");
}  // namespace exports

class TfrmExportarDados : public QWidget {
    Q_OBJECT
public:
    explicit TfrmExportarDados(QWidget* parent = nullptr);

    QTreeWidget* ltvCampos;
    QCheckBox* ccbSeleciona_tuto;
    QPushButton* BitBtn2;  // "&Exportar dados..."
    QPushButton* BitBtn1;  // "&Fechar"
    QStatusBar* StatusBar1;

    QList<int> tickedRows() const;
    void exportData();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillList();
};

inline QPointer<TfrmExportarDados> frmExportarDados;
