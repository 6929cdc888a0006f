// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coverage areas to which the map editor's next new slot is reserved.

#include <QDialog>
#include <QPointer>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QListWidget;

// The nine health districts in code order: nurv.conf, [mapa] distritos, names separated by ";".
QStringList districtNames();

class TfrmVagasAreaAbrangencia : public QDialog {
    Q_OBJECT
public:
    explicit TfrmVagasAreaAbrangencia(QWidget* map);

    QComboBox* cbbPrincpal;
    QListWidget* cklPrincipal;
    QCheckBox* chkSelecionarTodos;

    void loadAreas(int district);
    void finish();

signals:
    // The areas ticked, by code after an empty entry 0, and their codes as the summary shows them.
    void areasChosen(const QList<int>& areas, const QString& summary);

private:
    QStringList m_districts;
};

inline QPointer<TfrmVagasAreaAbrangencia> frmVagasAreaAbrangencia;
