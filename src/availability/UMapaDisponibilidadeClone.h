#pragma once
// The clone of a published slot over chosen days of a month, for one unit or for every unit.

#include "availability/MapaSql.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

// The slot being cloned, as the map form hands it over.
struct VagaOrigem {
    int id = 0;
    mapa::Vaga vaga;
    QString especie, procedimento;
};

// Months away from the current one; kept while the program runs.
inline int DeslocamentoMes = 0;

class TfrmMapaDisponibilidadeClone : public QDialog {
    Q_OBJECT
public:
    TfrmMapaDisponibilidadeClone(QWidget* mapa, VagaOrigem origem);

    QPlainTextEdit* memOrigem;
    QLabel* lblMes;
    QTableWidget* strGrade;
    QCheckBox* chkSegundaSexta;
    QComboBox* cbbUnidade;
    QList<int> UnidadesClone;

    void montaMes();
    void desloca(int meses);
    void alterna(int row, int column);
    void segundaSexta(bool marcar);
    void gerar();

signals:
    // The generation wrote its slots, or failed: the map shows the day again.
    void vagasGeradas();

private:
    QString hora() const;
    mapa::GradeMes grade() const;

    VagaOrigem m_origem;
    int m_mes = 1, m_ano = 2000;
};

inline QPointer<TfrmMapaDisponibilidadeClone> frmMapaDisponibilidadeClone;
