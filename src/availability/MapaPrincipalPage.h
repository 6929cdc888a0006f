#pragma once
// The availability map's "Principal" page: the editor of the published slots (per unit, procedure, species
// and date-hour), the chosen day's list, and the buttons that open the coverage areas, the provisional map,
// the clone and the month summary.

#include "availability/MapaSql.h"
#include "platform/db/DataSet.h"

#include <QHash>
#include <QWidget>

class QCalendarWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTableView;

class MapaPrincipalPage : public QWidget {
    Q_OBJECT
public:
    // Messages of the day list go to the form's status bar.
    MapaPrincipalPage(QStatusBar* status, QWidget* parent);

    mapa::EstadoMapa EstadoMapa = mapa::EstadoMapa::Vazio;
    // Coverage-area codes of the next new slot; entry 0 holds none, zero entries are skipped.
    QList<int> AreasSelecionadas{0};

    QCalendarWidget* calData;
    QComboBox* dblUnidade_trabalho;
    QComboBox* dblProcedimento;
    QComboBox* dblEspecie;
    QLineEdit* mkeHora;
    QLineEdit* mkeVagaGeral;
    QLineEdit* mkeVagaFemea;
    QPushButton* bmpAreas;
    QLabel* lblResumo;
    db::DataSet* qryMapa;
    QTableView* dbgResume;
    QStatusBar* stbPrincipal;

    void carregaDia();   // the chosen day's slots
    void novasVagas();
    void alterar();
    void gravar();
    void excluir();
    void cancelar();
    void abreAreas();
    void clonar();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cliqueFiltro();
    void mostraLinha();
    void limpaEditor();
    void trava(QWidget* control, bool locked);
    void travaEditor(bool especieTambem);
    void botoes(bool navegando);
    void fimGravar();
    void restauraAreas();
    int chaveDe(QComboBox* combo) const;
    void posiciona(QComboBox* combo, const QVariant& key);
    QWidget* campo(mapa::Campo campo) const;
    bool insere(const mapa::Vaga& vaga);          // false: refused, the editor stays open
    bool altera(const mapa::Vaga& vaga);
    void saidaHora();
    void saidaQuantidade(QLineEdit* edit);

    mapa::NomesMapa m_nomes;
};
