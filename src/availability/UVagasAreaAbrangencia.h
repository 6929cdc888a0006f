#pragma once
// The coverage areas to which the map editor's next new slot is reserved.

#include <QDialog>
#include <QPointer>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QListWidget;
class MapaPrincipalPage;

// The nine health districts in code order: nurv.conf, [mapa] distritos, names separated by ";".
QStringList nomesDistritos();

class TfrmVagasAreaAbrangencia : public QDialog {
    Q_OBJECT
public:
    explicit TfrmVagasAreaAbrangencia(MapaPrincipalPage* mapa);

    QComboBox* cbbPrincpal;
    QListWidget* cklPrincipal;
    QCheckBox* chkSelecionarTodos;

    void carregaAreas(int distrito);
    void concluir();

private:
    QPointer<MapaPrincipalPage> m_mapa;
    QStringList m_distritos;
};

inline QPointer<TfrmVagasAreaAbrangencia> frmVagasAreaAbrangencia;
